// Kalvora on the desktop: creates the windows and runs until the main window is closed.
#include <QApplication>

#include "app/TForm1.h"
#include "app/Windows.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("kalvora"));
    QApplication::setApplicationDisplayName(QStringLiteral("Kalvora"));

    // Closing a secondary window only hides it; closing the main window ends the program.
    kalvora::app::Windows windows = kalvora::app::CreateWindows();
    windows.Form1->show();
    // The first activation runs the start code; ask for it also where no window manager
    // activates a new window by itself.
    windows.Form1->activateWindow();
    const int status = app.exec();
    kalvora::app::DestroyWindows(windows);
    return status;
}
