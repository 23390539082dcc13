// What the parts of the main window share: the size it is laid out for, its fonts and colours,
// and the small builders of its controls. Only the main window and its parts include it.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

class QFocusEvent;
class QFrame;
class QLabel;
class QToolButton;
class QWidget;

namespace kalvora::app::window_parts {

inline const QColor kNavy(0, 0, 128);
// The size the window is laid out for; in a smaller one the panels scroll.
inline constexpr QSize kDesignSize(1023, 708);
// The top strip's height with all of it in one row.
inline constexpr int kStripHeight = 40;

QString Q(std::string_view s);

// MS Sans Serif 8 pt is about 11 pixels; Arial-metric faces keep the captions as wide as the
// program was laid out for.
QFont WindowFont(int pixelSize, bool bold = false);

// The font at the largest size, from `largest` down to `smallest` pixels, at which every text
// fits into its width: a wider face than the one the window was laid out for is drawn smaller
// rather than cut off or run into its neighbour.
struct TextSpace {
    QString text;
    int width;
};
QFont FittingFont(int largest, int smallest, bool bold, const std::vector<TextSpace>& texts);

// A raised panel of the window's grey, named `name`.
void MakeRaisedPanel(QFrame* panel, const char* name);
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text);
QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& text);

// Enables or disables a control as the configuration allows. A control being disabled drops the
// focus rather than hand it to its neighbour, which would then look entered.
void SetControlEnabled(QWidget* w, bool enabled);

// Whether the focus moves inside the window: another window becoming active (a message box, the
// order or credit window) or a pop-up menu does not move it.
bool IsFocusMoveWithinWindow(const QFocusEvent* e);

// A path as the engine's file calls take it.
std::string PathArgument(const QString& path);

}  // namespace kalvora::app::window_parts
