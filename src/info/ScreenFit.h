// Keeping a window within reach on a small screen or at a large scale factor.
#pragma once

class QWidget;

namespace kalvora {

// Shrinks and moves `window` into its screen's free area (less room for the window manager's
// frame) when it does not fit there; a window that fits is left alone.
void FitIntoScreen(QWidget& window);

}  // namespace kalvora
