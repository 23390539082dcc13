#include "desktop/app/MainWindowSettings.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "desktop/info/ScreenFit.h"
#include "desktop/settings/WindowSettings.h"

namespace kalvora::app {

namespace {
const QString kSection = QStringLiteral("TForm1");
const QString kAbsKey = QStringLiteral("ABSBox_Checked");
}  // namespace

std::optional<bool> RestoreMainWindowSettings(const QString& path, QWidget& window) {
    const WindowSettings settings(kSection, path);
    if (!settings.RestorePlacement(window)) {
        QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
        if (screen) {
            QRect r = window.geometry();
            r.moveCenter(screen->availableGeometry().center());
            window.move(r.topLeft());
        }
        // Laid out for 1023 x 708: a smaller screen, or a large scale factor, gets it shrunk
        // (the panels scroll) and wholly on the screen. A remembered place is fitted already.
        FitIntoScreen(window);
    }
    // Only the exact words the program writes count as a tick.
    const std::optional<QString> abs = settings.Text(kAbsKey);
    if (abs == QStringLiteral("True")) return true;
    if (abs == QStringLiteral("False")) return false;
    return std::nullopt;
}

bool StoreMainWindowSettings(const QString& path, const QWidget& window, bool absChecked) {
    WindowSettings settings(kSection, path);
    settings.SetTick(kAbsKey, absChecked);
    settings.StorePlacement(window);
    return settings.Write();
}

}  // namespace kalvora::app
