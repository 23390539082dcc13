// The main choices under the command strip: trim, body, engine and roof rails with their
// comparison buttons, the body picture, the notice of the last action, the About link, the
// roof surcharge and the base price.
#pragma once

#include <QFrame>
#include <array>

#include "engine/model/Configuration.h"

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QRadioButton;

namespace kalvora {
class Session;
struct CarLook;
}  // namespace kalvora

namespace kalvora::pictures {
class CarPictureCache;
}

namespace kalvora::app {

class ActionNotice;
struct PictureFiles;

class MainChoices : public QFrame {
    Q_OBJECT

  public:
    // A click on a trim, body, engine or roof-rails button goes to `session` as its choice.
    MainChoices(Session& session, QWidget* parent);

    // Which button of each group is chosen and which may be, the surcharge and the base price;
    // the figures only once the start code has run.
    void ShowConfiguration(const Configuration& config);
    // The chosen body's picture: its file, or the car drawn as it looks; the placeholder when
    // the body has neither.
    void ShowBodyPicture(const VisiblePictures& v, const CarLook& look, const PictureFiles& files,
                         pictures::CarPictureCache& drawings);
    ActionNotice& Notice() const { return *notice_; }
    // The comparison of the group whose button `focused` is (F1); false when it is none of them.
    bool CompareFocusedGroup(const QWidget* focused);

  signals:
    void trimComparisonRequested();    // "Сравнение комплектаций"
    void bodyComparisonRequested();    // "Сравнение типов кузовов"
    void engineComparisonRequested();  // "Сравнение двигателей"
    void comparisonRequested();        // "Сравнить..."
    void offerRequested();             // "Предложение..."
    void aboutRequested();

  protected:
    // An engine button entered with the keyboard or the mouse.
    bool eventFilter(QObject* watched, QEvent* e) override;

  private:
    // Each group in its cells of the panel's grid.
    void BuildTrimGroup(QGridLayout* grid);
    void BuildBodyGroup(QGridLayout* grid);
    void BuildBodyPictures(QGridLayout* grid);
    void BuildEngineGroup(QGridLayout* grid);
    // The comparison buttons under the engines; the notice joins the row after them.
    QHBoxLayout* BuildComparisonRow();
    void BuildRailsGroup(QGridLayout* grid);
    void BuildAboutLink(QGridLayout* grid);
    void BuildBasePrice(QGridLayout* grid);

    Session& session_;
    std::array<QRadioButton*, kTrimCount> trims_{};
    std::array<QRadioButton*, kBodyCount> bodies_{};
    std::array<QRadioButton*, kRailsCount> rails_{};
    std::array<QRadioButton*, kEngineCount> engines_{};
    QLabel* placeholder_ = nullptr;
    std::array<QLabel*, kBodyCount> bodyImages_{};
    QLabel* basePriceLabel_ = nullptr;
    QLabel* surchargeLabel_ = nullptr;
    ActionNotice* notice_ = nullptr;
    // The engine button a mouse press gave the focus to: the click that follows enters it as
    // part of its own action; a press that ends without a click enters it on release.
    int engineEnteredByMouse_ = -1;
    bool showing_ = false;
};

}  // namespace kalvora::app
