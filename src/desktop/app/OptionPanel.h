// The option panel: a row for every option (information button, price, check box, caption), the
// frames around the packages, the colour list and its swatches, over the faint picture of the
// car; the frame around the row that has the focus.
#pragma once

#include <QFrame>
#include <QImage>
#include <array>
#include <vector>

#include "desktop/app/MainWindowParts.h"
#include "engine/model/Configuration.h"

class QCheckBox;
class QComboBox;
class QFocusEvent;
class QLabel;
class QLayout;
class QMouseEvent;
class QToolButton;

namespace kalvora {
class ActionHistory;
class Session;
struct CarLook;
}  // namespace kalvora

namespace kalvora::pictures {
class CarPictureCache;
}

namespace kalvora::app {

struct PictureFiles;

class OptionPanel : public QFrame {
    Q_OBJECT

  public:
    // A tick, a colour and the focus entering or leaving a check box go to `session`.
    OptionPanel(Session& session, QWidget* parent);

    // Each option's tick, price, state and highlight, and the colour.
    void ShowConfiguration(const Configuration& config);
    // Why each option stands as it does after the last action, as its tooltip.
    void ShowReasons(const ActionHistory& history);
    // The colour's swatch and the faint picture of the body in its shade, each from its file or
    // drawn as the car looks.
    void ShowPictures(const VisiblePictures& v, const CarLook& look, const PictureFiles& files,
                      pictures::CarPictureCache& drawings);

    // The price label of an option's row.
    QLabel* PriceLabel(Opt option) const;
    // The rows' controls in the order Tab takes them, each information button before its
    // check box, the colour list after the metallic row.
    void AppendTabStops(std::vector<QWidget*>& chain) const;
    // Remembers the wish of the option whose check box is `focused` (its exit rule), as the
    // focus leaving it would.
    void RememberWishOf(const QWidget* focused);
    // The explanation of the option `focused` belongs to (F1); false when it is no option's.
    bool ExplainFocusedOption(const QWidget* focused);

    // The captions of the left column with the room each has: the window's font is the largest
    // at which they all fit.
    static std::vector<window_parts::TextSpace> LeftCaptionSpaces();

  signals:
    // A click on an option's price label (fromInfoButton false) or on the information button
    // left of it (true).
    void optionInfoRequested(kalvora::Opt option, bool fromInfoButton);
    // The second information button of the 15" wheel row, which shows the wheels themselves.
    void wheelPicturesRequested();

  protected:
    // The focus entering and leaving the rows, and a click on a price.
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    struct OptionRow {
        QToolButton* info = nullptr;
        QLabel* price = nullptr;
        QCheckBox* box = nullptr;
        QLabel* caption = nullptr;
        QToolButton* extra = nullptr;  // the wheel pictures' button of the 15" wheel row
        Rgb shadow = kShadowNone;      // highlight last shown
        Rgb font = kFontBlack;
    };

    // One option's controls, laid out as its row.
    QLayout* BuildOptionRow(const OptionDef& def);
    void ApplyHighlight(OptionRow& row, Rgb shadow, Rgb font);
    void SetOptionDescription(const OptionRow& row, const QString& price);
    const OptionRow* RowOf(const QWidget* w) const;
    void ShowFocusRow(const QWidget* focused);
    void BoxLosesFocus(QObject* watched, const QFocusEvent* e);
    void ShowSwatch(const VisiblePictures& v, const PictureFiles& files);
    void ShowBackground(const VisiblePictures& v, const CarLook& look, const PictureFiles& files,
                        pictures::CarPictureCache& drawings);
    // The label that shows a drawn background now takes `chosen`'s place and name.
    void HandOverDrawingLabel(QLabel*& chosen, const PictureFiles& files);

    Session& session_;
    std::array<OptionRow, kOptionCount> rows_{};
    QComboBox* colours_ = nullptr;
    std::array<QLabel*, 10> swatches_{};
    std::array<QImage, 10> swatchDrawings_{};
    std::array<std::array<QLabel*, 4>, kBodyCount> backgrounds_{};
    QFrame* focusRow_ = nullptr;
    bool showing_ = false;
};

}  // namespace kalvora::app
