// The price labels of the option rows light up under the mouse: blue and underlined while the
// mouse is over one, black and plain again when it leaves. A label can also carry a click
// action (the explanation of its option).
#pragma once

#include <QObject>
#include <functional>

#include "desktop/info/OptionInfo.h"

class QLabel;

namespace kalvora {

class PriceLabelHover : public QObject {
    Q_OBJECT

  public:
    // Watches the label; owned by it.
    explicit PriceLabelHover(QLabel* label, std::function<void()> onClick = {});

    static const QColor& HoverColour();   // pure blue
    static const QColor& NormalColour();  // black

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void SetHighlighted(bool on);

    QLabel* label_;
    std::function<void()> onClick_;
    bool pressed_ = false;
};

// Hover effect only (the labels without an explanation).
PriceLabelHover* InstallPriceLabelHover(QLabel* label);

// Hover effect, and a click shows the option's explanation (OptionInfoClick with the price
// label). `windows` and `ui` are kept by reference and must outlive the label; the windows may
// be filled in later, since the main window is created before the information windows.
PriceLabelHover* InstallPriceLabelInfo(QLabel* label, Opt option, const InfoWindows& windows,
                                       UiPort& ui);

}  // namespace kalvora
