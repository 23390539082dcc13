// What the parts of the main window share: the size it is laid out for, its fonts and colours,
// and the small builders of its controls. Only the MainWindow*.cpp files include it.
#pragma once

#include <QColor>
#include <QFont>
#include <QSize>
#include <QString>
#include <string>
#include <string_view>
#include <vector>

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

// The captions of the option panel's left column with the room each has (MainWindowOptions.cpp).
std::vector<TextSpace> LeftCaptionSpaces();

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text);
QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& text);

// A path as the engine's file calls take it.
std::string PathArgument(const QString& path);

}  // namespace kalvora::app::window_parts
