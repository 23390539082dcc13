// Keeping a window within reach on a small screen or at a large scale factor.
#pragma once

#include <QRect>

class QScreen;
class QWidget;

namespace kalvora {

// The part of a screen's free area a window may take: less room for the frame and the title
// bar the window manager adds.
QRect WindowRoom(const QScreen& screen);

// Shrinks and moves `window` into its screen's WindowRoom() when its frame does not fit the
// screen's free area (or, before a window manager has framed it, when the window does not fit
// the room); a window that fits is left alone.
void FitIntoScreen(QWidget& window);

// From now on every window of the program (a dialog, a message box, a file dialog included) is
// fitted into its screen with FitIntoScreen() as it is shown; menus and tooltips are left to
// Qt. Needs the application object; calling it again does nothing.
void KeepWindowsOnScreen();

}  // namespace kalvora
