#include "info/ScreenFit.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace kalvora {

QRect WindowRoom(const QScreen& screen) {
    return screen.availableGeometry().marginsRemoved(QMargins(8, 32, 8, 8));
}

void FitIntoScreen(QWidget& window) {
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    if (!screen || screen->availableGeometry().contains(window.frameGeometry())) return;
    const QRect room = WindowRoom(*screen);
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

}  // namespace kalvora
