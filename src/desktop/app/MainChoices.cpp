#include "desktop/app/MainChoices.h"

#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetItem>
#include <algorithm>
#include <utility>
#include <vector>

#include "desktop/app/ActionNotice.h"
#include "desktop/app/DrawingLabel.h"
#include "desktop/app/MainWindowParts.h"
#include "desktop/app/PictureFiles.h"
#include "desktop/pictures/CarPicture.h"
#include "engine/model/CarLook.h"
#include "engine/model/PriceTexts.h"
#include "engine/session/Session.h"

namespace kalvora::app {

using namespace window_parts;

namespace {

constexpr int kRadioHeight = 16;
QRadioButton* MakeRadio(QWidget* parent, std::string_view name, std::string_view caption,
                        int width) {
    auto* radio = new QRadioButton(Q(caption), parent);
    radio->setObjectName(Q(name));
    // Exclusivity is the engine's: it may leave a group with nothing selected.
    radio->setAutoExclusive(false);
    radio->setFixedSize(width, kRadioHeight);
    radio->setAccessibleName(Q(caption));
    if (auto* group = qobject_cast<QGroupBox*>(parent))
        radio->setAccessibleDescription(group->title().trimmed().remove(QLatin1Char(':')));
    return radio;
}

// A widget that reaches `below` pixels past the bottom of its cell: a layout sees it that much
// lower than it is.
class OverhangItem : public QWidgetItem {
  public:
    OverhangItem(QWidget* widget, int below) : QWidgetItem(widget), below_(below) {}
    QSize sizeHint() const override { return Lower(QWidgetItem::sizeHint()); }
    QSize minimumSize() const override { return Lower(QWidgetItem::minimumSize()); }
    QSize maximumSize() const override { return Lower(QWidgetItem::maximumSize()); }
    void setGeometry(const QRect& rect) override {
        if (!isEmpty()) widget()->setGeometry(rect.adjusted(0, 0, 0, below_));
    }

  private:
    QSize Lower(QSize size) const { return QSize(size.width(), size.height() - below_); }
    int below_;
};

// The radio buttons of a group box in a grid, filled column by column with `rows` to a column:
// the first at `first` from the box's corner, the columns 4 pixels apart, the rows `pitch`
// pixels apart. Where the rows are closer than a button is high, each button overlaps the
// next, as in the groups of the body, the engine and the roof rails.
void PlaceRadios(QGroupBox* group, const std::vector<QRadioButton*>& radios, int rows, QPoint first,
                 int pitch) {
    // The box's title and frame take no room from the grid: `first` counts from its corner.
    group->setAttribute(Qt::WA_LayoutOnEntireRect);
    auto* grid = new QGridLayout(group);
    grid->setContentsMargins(first.x(), first.y(), 0, 0);
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(std::max(0, pitch - kRadioHeight));
    grid->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    const int overhang = std::max(0, kRadioHeight - pitch);
    for (std::size_t i = 0; i < radios.size(); ++i) {
        const int index = static_cast<int>(i);
        grid->addItem(new OverhangItem(radios[i], overhang), index % rows, index / rows);
    }
}

// The columns of the panel's grid: the groups with a gap between each two, and the rest of the
// width after the About link.
enum ChoiceColumn {
    kTrimColumn = 0,
    kBodyColumn = 2,
    kPictureColumn = 4,
    kEngineColumn = 6,
    kRailsColumn = 8,
    kAboutColumn = 10,
    kRestColumn
};
enum ChoiceRow { kGroupsRow = 0, kButtonsRow = 2, kBaseRow = 4 };
const Qt::Alignment kTopLeft = Qt::AlignTop | Qt::AlignLeft;

// A widget lower than its cell's top by `down` pixels.
QVBoxLayout* Lowered(QWidget* w, int down) {
    auto* column = new QVBoxLayout;
    column->setSpacing(0);
    column->addSpacing(down);
    column->addWidget(w);
    column->addStretch();
    return column;
}

// A label that shows a figure is read with what the figure is: "Базовая цена: 12420 $".
QString FigureName(const QString& what, const QString& figure) {
    bool number = false;
    figure.toLongLong(&number);
    return what + QStringLiteral(": ") + figure + (number ? QStringLiteral(" $") : QString());
}

}  // namespace
MainChoices::MainChoices(Session& session, QWidget* parent) : QFrame(parent), session_(session) {
    MakeRaisedPanel(this, "Panel1");
    setFixedHeight(123);
    // The groups side by side, each with its comparison button under it, the base price below
    // them. The gaps between the groups give way when the window is narrower than laid out;
    // room beyond it goes right of the About link.
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(5, 1, 4, 0);
    grid->setSpacing(0);
    const int gaps[] = {6, 8, 8, 6, 4};
    for (int i = 0; i < 5; ++i) {
        // Down to half its width, so that the groups never touch.
        grid->addItem(new QSpacerItem(gaps[i], 0, QSizePolicy::Preferred, QSizePolicy::Minimum),
                      kGroupsRow, 2 * i + 1);
        grid->setColumnMinimumWidth(2 * i + 1, gaps[i] / 2);
    }
    grid->addItem(new QSpacerItem(0, 0, QSizePolicy::Expanding, QSizePolicy::Minimum), kGroupsRow,
                  kRestColumn);
    grid->setColumnStretch(kRestColumn, 1);
    grid->setRowMinimumHeight(kGroupsRow + 1, 3);
    grid->setRowMinimumHeight(kButtonsRow + 1, 2);
    grid->setRowStretch(kBaseRow + 1, 1);

    BuildTrimGroup(grid);
    BuildBodyGroup(grid);
    BuildBodyPictures(grid);
    BuildEngineGroup(grid);
    QHBoxLayout* buttons = BuildComparisonRow();
    BuildRailsGroup(grid);
    notice_ = new ActionNotice(this);
    buttons->addLayout(Lowered(notice_, 5), 1);
    grid->addLayout(buttons, kButtonsRow, kEngineColumn, kBaseRow - kButtonsRow + 1,
                    kAboutColumn - kEngineColumn + 1, Qt::AlignTop);
    BuildAboutLink(grid);
    BuildBasePrice(grid);

    auto* complButton = new QPushButton(QStringLiteral("Compl"), this);
    complButton->setObjectName(QStringLiteral("ComplButton"));
    complButton->hide();
    connect(complButton, &QPushButton::clicked, this, [this]() { session_.ApplyTrimRules(); });
}

void MainChoices::BuildTrimGroup(QGridLayout* grid) {
    // Trim: two columns, filled column by column.
    auto* trimGroup = new QGroupBox(QStringLiteral(" Комплектация: "), this);
    trimGroup->setObjectName(QStringLiteral("Compl"));
    trimGroup->setFixedSize(172, 76);
    grid->addWidget(trimGroup, kGroupsRow, kTrimColumn, kTopLeft);
    for (int t = 0; t < kTrimCount; ++t) {
        trims_[t] = MakeRadio(trimGroup, "", kTrimItems[t], 76);
        trims_[t]->setObjectName(QStringLiteral("Compl_%1").arg(t));
        connect(trims_[t], &QRadioButton::clicked, this, [this, t]() { session_.ChooseTrim(t); });
    }
    PlaceRadios(trimGroup, {trims_.begin(), trims_.end()}, 2, QPoint(10, 22), 24);
    auto* compare = MakeToolButton(this, "SpeedButton5", QStringLiteral("Сравнение ко&мплектаций"));
    compare->setFixedSize(172, 20);
    grid->addWidget(compare, kButtonsRow, kTrimColumn, kTopLeft);
    compare->setCursor(Qt::WhatsThisCursor);
    connect(compare, &QToolButton::clicked, this, &MainChoices::trimComparisonRequested);
}

void MainChoices::BuildBodyGroup(QGridLayout* grid) {
    auto* bodies = new QGroupBox(QStringLiteral(" Тип кузова: "), this);
    bodies->setObjectName(QStringLiteral("GroupBox2"));
    bodies->setFixedSize(108, 76);
    grid->addWidget(bodies, kGroupsRow, kBodyColumn, kTopLeft);
    for (int b = 0; b < kBodyCount; ++b) {
        bodies_[b] = MakeRadio(bodies, kBodies[b].name, kBodies[b].caption, 96);
        connect(bodies_[b], &QRadioButton::clicked, this, [this, b]() { session_.ChooseBody(b); });
    }
    PlaceRadios(bodies, {bodies_.begin(), bodies_.end()}, kBodyCount, QPoint(8, 15), 15);
    auto* compare =
        MakeToolButton(this, "SpeedButton6", QStringLiteral("Сравнение &типов кузовов"));
    compare->setFixedSize(156, 20);
    // Wider than its group: it reaches under the body picture.
    grid->addWidget(compare, kButtonsRow, kBodyColumn, 1, kPictureColumn - kBodyColumn + 1,
                    kTopLeft);
    compare->setCursor(Qt::WhatsThisCursor);
    connect(compare, &QToolButton::clicked, this, &MainChoices::bodyComparisonRequested);
}

void MainChoices::BuildBodyPictures(QGridLayout* grid) {
    // The body picture area: the placeholder under the four body pictures, a little lower than
    // the groups' tops.
    const QSize pictureSize(142, 78);
    placeholder_ = new QLabel(this);
    placeholder_->setObjectName(QStringLiteral("NeN"));
    placeholder_->setFixedSize(pictureSize);
    placeholder_->setPixmap(PlaceholderPicture());
    grid->addLayout(Lowered(placeholder_, 2), kGroupsRow, kPictureColumn, kButtonsRow + 1, 1);
    for (int b = 0; b < kBodyCount; ++b) {
        bodyImages_[b] = new QLabel(this);
        bodyImages_[b]->setObjectName(Q(kBodyPictures[b]));
        bodyImages_[b]->setFixedSize(pictureSize);
        bodyImages_[b]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        bodyImages_[b]->hide();
        grid->addLayout(Lowered(bodyImages_[b], 2), kGroupsRow, kPictureColumn, kButtonsRow + 1, 1);
    }
}

void MainChoices::BuildEngineGroup(QGridLayout* grid) {
    auto* engines = new QGroupBox(QStringLiteral(" Двигатель и коробка: "), this);
    engines->setObjectName(QStringLiteral("DvigBox"));
    engines->setFixedSize(252, 76);
    grid->addWidget(engines, kGroupsRow, kEngineColumn, kTopLeft);
    for (int e = 0; e < kEngineCount; ++e) {
        engines_[e] = MakeRadio(engines, kEngines[e].name, kEngines[e].caption, 118);
        engines_[e]->installEventFilter(this);
        connect(engines_[e], &QRadioButton::clicked, this, [this, e]() {
            engineEnteredByMouse_ = -1;
            session_.ClickEngine(e);
        });
    }
    PlaceRadios(engines, {engines_.begin(), engines_.end()}, 4, QPoint(8, 15), 15);
}

QHBoxLayout* MainChoices::BuildComparisonRow() {
    // Under the engines and on to the right edge: the engine comparison, then the comparison
    // with another variant and the offer letter (the command bar has no room left beside the
    // price), then the notice of the last action.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    auto* compare = MakeToolButton(this, "SpeedButton7", QStringLiteral("Сравнение &двигателей"));
    compare->setFixedSize(156, 20);
    buttons->addWidget(compare, 0, Qt::AlignTop);
    compare->setCursor(Qt::WhatsThisCursor);
    connect(compare, &QToolButton::clicked, this, &MainChoices::engineComparisonRequested);
    compare = MakeToolButton(this, "CompareButton", QStringLiteral("Сравн&ить..."));
    compare->setFixedSize(94, 20);
    buttons->addWidget(compare, 0, Qt::AlignTop);
    compare->setToolTip(QStringLiteral("Сравнить текущую конфигурацию с другим вариантом"));
    connect(compare, &QToolButton::clicked, this, &MainChoices::comparisonRequested);
    auto* offer = MakeToolButton(this, "OfferButton", QStringLiteral("&Предложение..."));
    offer->setFixedSize(112, 20);
    buttons->addWidget(offer, 0, Qt::AlignTop);
    offer->setToolTip(QStringLiteral("Коммерческое предложение для покупателя: PDF или печать"));
    connect(offer, &QToolButton::clicked, this, &MainChoices::offerRequested);
    return buttons;
}

void MainChoices::BuildRailsGroup(QGridLayout* grid) {
    auto* rails = new QGroupBox(QStringLiteral(" Для кузова Универсал: "), this);
    rails->setObjectName(QStringLiteral("Univers"));
    rails->setFixedSize(252, 62);
    for (int r = 0; r < kRailsCount; ++r) {
        rails_[r] = MakeRadio(rails, kRails[r].name, kRails[r].caption, 240);
        connect(rails_[r], &QRadioButton::clicked, this, [this, r]() { session_.ChooseRails(r); });
    }
    PlaceRadios(rails, {rails_.begin(), rails_.end()}, kRailsCount, QPoint(8, 15), 15);
    // The roof surcharge under the rails, reaching down to the buttons' row.
    auto* railsColumn = new QVBoxLayout;
    railsColumn->setSpacing(0);
    railsColumn->addWidget(rails);
    railsColumn->addSpacing(4);
    auto* surchargeRow = new QHBoxLayout;
    surchargeRow->setSpacing(6);
    surchargeRow->addSpacing(6);
    QLabel* surcharge = MakeLabel(this, "Label3", QStringLiteral("Доплата за крышу:"));
    surchargeLabel_ = MakeLabel(this, "UnLabel", QString());
    surchargeLabel_->setFixedSize(190, surchargeLabel_->height());
    surchargeRow->addWidget(surcharge);
    surchargeRow->addWidget(surchargeLabel_);
    surchargeRow->addStretch();
    railsColumn->addLayout(surchargeRow);
    // The surcharge's figure reaches on under the About link.
    grid->setColumnMinimumWidth(kRailsColumn, rails->width());
    grid->addLayout(railsColumn, kGroupsRow, kRailsColumn, kButtonsRow,
                    kAboutColumn - kRailsColumn + 1, kTopLeft);
}

void MainChoices::BuildAboutLink(QGridLayout* grid) {
    auto* about = MakeToolButton(this, "SpeedButton4", QStringLiteral("&About ..."));
    about->setAutoRaise(true);
    QFont aboutFont = about->font();
    aboutFont.setUnderline(true);
    about->setFont(aboutFont);
    QPalette aboutPalette = about->palette();
    aboutPalette.setColor(QPalette::ButtonText, Qt::blue);
    about->setPalette(aboutPalette);
    about->setFixedSize(54, 20);
    grid->addLayout(Lowered(about, 2), kGroupsRow, kAboutColumn);
    connect(about, &QToolButton::clicked, this, &MainChoices::aboutRequested);
}

void MainChoices::BuildBasePrice(QGridLayout* grid) {
    auto* baseRow = new QHBoxLayout;
    baseRow->setSpacing(6);
    baseRow->addSpacing(2);
    QLabel* base = MakeLabel(this, "Label2", QStringLiteral("Базовая цена:"));
    base->setFont(WindowFont(16, true));
    base->adjustSize();
    basePriceLabel_ = MakeLabel(this, "BazaLabel", QString());
    basePriceLabel_->setFont(WindowFont(16, true));
    basePriceLabel_->setFixedSize(440, 19);
    basePriceLabel_->setAccessibleName(QStringLiteral("Базовая цена"));
    surchargeLabel_->setAccessibleName(QStringLiteral("Доплата за крышу"));
    QPalette navy = base->palette();
    navy.setColor(QPalette::WindowText, kNavy);
    base->setPalette(navy);
    basePriceLabel_->setPalette(navy);
    baseRow->addWidget(base, 0, Qt::AlignVCenter);
    baseRow->addWidget(basePriceLabel_);
    baseRow->addStretch();
    grid->addLayout(baseRow, kBaseRow, kTrimColumn, 1, kRailsColumn - kTrimColumn + 1);
}

// --- Showing the configuration ---------------------------------------------------------------

void MainChoices::ShowConfiguration(const Configuration& config) {
    showing_ = true;
    for (int t = 0; t < kTrimCount; ++t) trims_[t]->setChecked(config.Trim() == t);
    for (int b = 0; b < kBodyCount; ++b) {
        bodies_[b]->setChecked(config.Body() == b);
        SetControlEnabled(bodies_[b], config.BodyEnabled(b));
    }
    for (int r = 0; r < kRailsCount; ++r) {
        rails_[r]->setChecked(config.Rails() == r);
        SetControlEnabled(rails_[r], config.RailsEnabled(r));
    }
    for (int e = 0; e < kEngineCount; ++e) {
        engines_[e]->setChecked(config.Engine() == e);
        SetControlEnabled(engines_[e], config.EngineEnabled(e));
    }

    // Until the start code has run, the labels hold the form's design-time texts
    // ("BazaLabel"), which are no figures: the panel leaves them empty.
    const bool started = !config.StartupPending();
    const QString basePrice =
        started ? QString::fromStdString(BasePriceText(config.Figures())) : QString();
    if (basePriceLabel_->text() != basePrice) {
        basePriceLabel_->setText(basePrice);
        basePriceLabel_->setAccessibleName(FigureName(QStringLiteral("Базовая цена"), basePrice));
    }
    const QString surcharge =
        started ? QString::fromStdString(SurchargeText(config.Figures())) : QString();
    if (surchargeLabel_->text() != surcharge) {
        surchargeLabel_->setText(surcharge);
        surchargeLabel_->setAccessibleName(
            FigureName(QStringLiteral("Доплата за крышу"), surcharge));
    }
    showing_ = false;
}

void MainChoices::ShowBodyPicture(const VisiblePictures& v, const CarLook& look,
                                  const PictureFiles& files, pictures::CarPictureCache& drawings) {
    bool bodyShown = false;
    for (int b = 0; b < kBodyCount; ++b) {
        const bool chosen = v.body == b;
        bool show = false;
        if (!files.bodies[b].isNull()) {
            show = chosen;
            if (show && bodyImages_[b]->pixmap().isNull()) {
                bodyImages_[b]->setPixmap(
                    QPixmap::fromImage(WithTransparentBackground(files.bodies[b])));
            }
        } else if (chosen) {
            CarLook drawn = look;
            drawn.body = b;
            show = ShowDrawingIn(bodyImages_[b], drawings.Picture(drawn, bodyImages_[b]->size()));
        }
        bodyImages_[b]->setVisible(show);
        bodyShown = bodyShown || show;
    }
    // The placeholder lies under the body pictures and shows when the chosen one has neither a
    // file nor a drawing; with no body chosen yet there is nothing missing.
    placeholder_->setVisible(!bodyShown && v.body >= 0 && v.body < kBodyCount);
}

// --- Keyboard and mouse ----------------------------------------------------------------------

bool MainChoices::CompareFocusedGroup(const QWidget* focused) {
    const auto in = [focused](const auto& buttons) {
        return std::find(buttons.begin(), buttons.end(), focused) != buttons.end();
    };
    if (in(trims_)) emit trimComparisonRequested();
    if (in(bodies_)) emit bodyComparisonRequested();
    if (in(engines_)) emit engineComparisonRequested();
    return in(trims_) || in(bodies_) || in(engines_);
}

bool MainChoices::eventFilter(QObject* watched, QEvent* e) {
    const auto engine = std::find(engines_.begin(), engines_.end(), watched);
    if (engine == engines_.end()) return QFrame::eventFilter(watched, e);
    const int index = int(engine - engines_.begin());
    if (e->type() == QEvent::FocusIn && !showing_) {
        const auto* focus = static_cast<const QFocusEvent*>(e);
        if (!IsFocusMoveWithinWindow(focus)) return false;
        if (focus->reason() == Qt::MouseFocusReason) {
            // The click enters the button inside its own undoable step.
            engineEnteredByMouse_ = index;
        } else {
            session_.EnterEngine(index);
        }
    } else if (e->type() == QEvent::MouseButtonRelease && engineEnteredByMouse_ == index) {
        // Released beside the button: no click, but the press entered it.
        QTimer::singleShot(0, this, [this]() {
            if (engineEnteredByMouse_ < 0) return;
            const int entered = std::exchange(engineEnteredByMouse_, -1);
            session_.EnterEngine(entered);
        });
    }
    return QFrame::eventFilter(watched, e);
}

}  // namespace kalvora::app
