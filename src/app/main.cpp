// Kalvora on the desktop: creates the windows and runs until the main window is closed.
#include <QApplication>

#include "app/TForm1.h"
#include "app/Windows.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // The application title; the windows keep their own captions.
    QApplication::setApplicationName(QStringLiteral("Kalvora"));

    const std::unique_ptr<kalvora::app::Windows> windows = kalvora::app::CreateWindows();
    windows->Form1->show();
    // The first activation runs the start code; ask for it also where no window manager
    // activates a new window by itself.
    windows->Form1->activateWindow();
    return app.exec();
}
