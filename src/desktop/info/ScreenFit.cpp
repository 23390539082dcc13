#include "desktop/info/ScreenFit.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kalvora {

namespace {

// Sees every window being shown, before it reaches the screen. A window that places itself
// in its own showEvent (from remembered settings) fits itself afterwards as well.
class ScreenKeeper : public QObject {
  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* e) override {
        if (e->type() != QEvent::Show || !watched->isWidgetType()) return false;
        auto* window = static_cast<QWidget*>(watched);
        const Qt::WindowType type = window->windowType();
        const bool ownPlace = window->windowState() &
                              (Qt::WindowMaximized | Qt::WindowFullScreen | Qt::WindowMinimized);
        if (window->isWindow() && type != Qt::Popup && type != Qt::ToolTip &&
            type != Qt::SplashScreen && type != Qt::Desktop && !ownPlace) {
            FitIntoScreen(*window);
        }
        return false;
    }
};

}  // namespace

QRect WindowRoom(const QScreen& screen) {
    return screen.availableGeometry().marginsRemoved(QMargins(8, 32, 8, 8));
}

void FitIntoScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen) return;
    const QRect room = WindowRoom(*screen);
    // Until a window manager has framed the window its frame is not known: it fits when it
    // leaves the room for one.
    const bool framed = window.frameGeometry() != window.geometry();
    if (framed ? screen->availableGeometry().contains(window.frameGeometry())
               : room.contains(window.geometry()))
        return;
    if (room.isEmpty()) return;
    QRect r = window.geometry();
    r.setWidth(std::min(r.width(), room.width()));
    r.setHeight(std::min(r.height(), room.height()));
    if (r.right() > room.right()) r.moveRight(room.right());
    if (r.bottom() > room.bottom()) r.moveBottom(room.bottom());
    if (r.left() < room.left()) r.moveLeft(room.left());
    if (r.top() < room.top()) r.moveTop(room.top());
    if (r != window.geometry()) window.setGeometry(r);
}

void KeepWindowsOnScreen() {
    static QObject* keeper = nullptr;
    if (keeper || !qApp) return;
    keeper = new ScreenKeeper(qApp);
    qApp->installEventFilter(keeper);
}

}  // namespace kalvora
