// Kalvora on the desktop: creates the windows and runs until the main window is closed.
#include <QApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "KalvoraVersion.h"
#include "app/AppHelp.h"
#include "desktop/app/MainWindow.h"
#include "desktop/app/WindowUi.h"
#include "desktop/app/Windows.h"
#include "desktop/settings/QtOwnSettings.h"
#include "engine/files/DiskFiles.h"
#include "engine/files/FileErrors.h"

int main(int argc, char* argv[]) {
    // A file-size limit fails a write with a message instead of killing the program.
    kalvora::IgnoreFileSizeSignal();
    // A configuration code is 11 or 20 characters and a file name is rarely written so, so these
    // two are answered before anything is shown, also without a display.
    // Output that cannot be written (a full disk, /dev/full) is reported and fails.
    const auto written = [] {
        if (std::fflush(stdout) == 0 && !std::ferror(stdout)) return 0;
        const int code = errno;
        std::fprintf(stderr, "kalvora: не удалось записать вывод%s%s\n", code ? ": " : "",
                     code ? kalvora::SystemReason(code).c_str() : "");
        return 1;
    };
    if (argc == 2 && std::strcmp(argv[1], "--help") == 0) {
        std::fputs(kalvora::kAppHelp, stdout);
        return written();
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::puts("kalvora " KALVORA_VERSION);
        return written();
    }

    QApplication app(argc, argv);
    // The application title; the windows keep their own captions.
    QApplication::setApplicationName(QStringLiteral("Kalvora"));
    kalvora::app::LoadRussianQtTexts();
    // The file dialogs' own settings are read and written by the program, not by Qt.
    const kalvora::QtOwnSettings qtSettings;

    const std::unique_ptr<kalvora::app::Windows> windows = kalvora::app::CreateWindows();
    windows->mainWindow->show();
    // The first activation runs the start code; ask for it also where no window manager
    // activates a new window by itself.
    windows->mainWindow->activateWindow();
    const int status = app.exec();
    return status;
}
