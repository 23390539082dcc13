// The main choices: trim, body, engine and roof rails with their comparison buttons, the body
// picture, the About link, the roof surcharge and the base price.
#include "desktop/app/MainWindow.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <QWidgetItem>
#include <algorithm>
#include <vector>

#include "desktop/app/MainWindowParts.h"

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

}  // namespace

void MainWindow::BuildMainChoices(QWidget* panel) {
    // The groups side by side, each with its comparison button under it, the base price below
    // them. The gaps between the groups give way when the window is narrower than laid out;
    // room beyond it goes right of the About link.
    auto* grid = new QGridLayout(panel);
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

    BuildTrimGroup(panel, grid);
    BuildBodyGroup(panel, grid);
    BuildBodyPictures(panel, grid);
    BuildEngineGroup(panel, grid);
    QHBoxLayout* buttons = BuildComparisonRow(panel);
    BuildRailsGroup(panel, grid);
    BuildNotice(panel);
    buttons->addLayout(Lowered(notice_, 5), 1);
    grid->addLayout(buttons, kButtonsRow, kEngineColumn, kBaseRow - kButtonsRow + 1,
                    kAboutColumn - kEngineColumn + 1, Qt::AlignTop);
    BuildAboutLink(panel, grid);
    BuildBasePrice(panel, grid);

    auto* complButton = new QPushButton(QStringLiteral("Compl"), panel);
    complButton->setObjectName(QStringLiteral("ComplButton"));
    complButton->hide();
    connect(complButton, &QPushButton::clicked, this, [this]() { session_.ApplyTrimRules(); });
}

void MainWindow::BuildTrimGroup(QWidget* panel, QGridLayout* grid) {
    // Trim: two columns, filled column by column.
    auto* trimGroup = new QGroupBox(QStringLiteral(" Комплектация: "), panel);
    trimGroup->setObjectName(QStringLiteral("Compl"));
    trimGroup->setFixedSize(172, 76);
    grid->addWidget(trimGroup, kGroupsRow, kTrimColumn, kTopLeft);
    for (int t = 0; t < kTrimCount; ++t) {
        trims_[t] = MakeRadio(trimGroup, "", kTrimItems[t], 76);
        trims_[t]->setObjectName(QStringLiteral("Compl_%1").arg(t));
        connect(trims_[t], &QRadioButton::clicked, this, [this, t]() { session_.ChooseTrim(t); });
    }
    PlaceRadios(trimGroup, {trims_.begin(), trims_.end()}, 2, QPoint(10, 22), 24);
    auto* compare =
        MakeToolButton(panel, "SpeedButton5", QStringLiteral("Сравнение ко&мплектаций"));
    compare->setFixedSize(172, 20);
    grid->addWidget(compare, kButtonsRow, kTrimColumn, kTopLeft);
    compare->setCursor(Qt::WhatsThisCursor);
    connect(compare, &QToolButton::clicked, this, &MainWindow::trimComparisonRequested);
}

void MainWindow::BuildBodyGroup(QWidget* panel, QGridLayout* grid) {
    auto* bodies = new QGroupBox(QStringLiteral(" Тип кузова: "), panel);
    bodies->setObjectName(QStringLiteral("GroupBox2"));
    bodies->setFixedSize(108, 76);
    grid->addWidget(bodies, kGroupsRow, kBodyColumn, kTopLeft);
    for (int b = 0; b < kBodyCount; ++b) {
        bodies_[b] = MakeRadio(bodies, kBodies[b].name, kBodies[b].caption, 96);
        connect(bodies_[b], &QRadioButton::clicked, this, [this, b]() { session_.ChooseBody(b); });
    }
    PlaceRadios(bodies, {bodies_.begin(), bodies_.end()}, kBodyCount, QPoint(8, 15), 15);
    auto* compare =
        MakeToolButton(panel, "SpeedButton6", QStringLiteral("Сравнение &типов кузовов"));
    compare->setFixedSize(156, 20);
    // Wider than its group: it reaches under the body picture.
    grid->addWidget(compare, kButtonsRow, kBodyColumn, 1, kPictureColumn - kBodyColumn + 1,
                    kTopLeft);
    compare->setCursor(Qt::WhatsThisCursor);
    connect(compare, &QToolButton::clicked, this, &MainWindow::bodyComparisonRequested);
}

void MainWindow::BuildBodyPictures(QWidget* panel, QGridLayout* grid) {
    // The body picture area: the placeholder under the four body pictures, a little lower than
    // the groups' tops.
    const QSize pictureSize(142, 78);
    placeholder_ = new QLabel(panel);
    placeholder_->setObjectName(QStringLiteral("NeN"));
    placeholder_->setFixedSize(pictureSize);
    placeholder_->setPixmap(PlaceholderPicture());
    grid->addLayout(Lowered(placeholder_, 2), kGroupsRow, kPictureColumn, kButtonsRow + 1, 1);
    for (int b = 0; b < kBodyCount; ++b) {
        bodyImages_[b] = new QLabel(panel);
        bodyImages_[b]->setObjectName(Q(kBodyPictures[b]));
        bodyImages_[b]->setFixedSize(pictureSize);
        bodyImages_[b]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        bodyImages_[b]->hide();
        grid->addLayout(Lowered(bodyImages_[b], 2), kGroupsRow, kPictureColumn, kButtonsRow + 1, 1);
    }
}

void MainWindow::BuildEngineGroup(QWidget* panel, QGridLayout* grid) {
    auto* engines = new QGroupBox(QStringLiteral(" Двигатель и коробка: "), panel);
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

QHBoxLayout* MainWindow::BuildComparisonRow(QWidget* panel) {
    // Under the engines and on to the right edge: the engine comparison, then the comparison
    // with another variant and the offer letter (the command bar has no room left beside the
    // price), then the notice of the last action.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    auto* compare = MakeToolButton(panel, "SpeedButton7", QStringLiteral("Сравнение &двигателей"));
    compare->setFixedSize(156, 20);
    buttons->addWidget(compare, 0, Qt::AlignTop);
    compare->setCursor(Qt::WhatsThisCursor);
    connect(compare, &QToolButton::clicked, this, &MainWindow::engineComparisonRequested);
    compare = MakeToolButton(panel, "CompareButton", QStringLiteral("Сравн&ить..."));
    compare->setFixedSize(94, 20);
    buttons->addWidget(compare, 0, Qt::AlignTop);
    compare->setToolTip(QStringLiteral("Сравнить текущую конфигурацию с другим вариантом"));
    connect(compare, &QToolButton::clicked, this, &MainWindow::CompareClick);
    auto* offer = MakeToolButton(panel, "OfferButton", QStringLiteral("&Предложение..."));
    offer->setFixedSize(112, 20);
    buttons->addWidget(offer, 0, Qt::AlignTop);
    offer->setToolTip(QStringLiteral("Коммерческое предложение для покупателя: PDF или печать"));
    connect(offer, &QToolButton::clicked, this, &MainWindow::OfferClick);
    return buttons;
}

void MainWindow::BuildRailsGroup(QWidget* panel, QGridLayout* grid) {
    auto* rails = new QGroupBox(QStringLiteral(" Для кузова Универсал: "), panel);
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
    QLabel* surcharge = MakeLabel(panel, "Label3", QStringLiteral("Доплата за крышу:"));
    unLabel_ = MakeLabel(panel, "UnLabel", QString());
    unLabel_->setFixedSize(190, unLabel_->height());
    surchargeRow->addWidget(surcharge);
    surchargeRow->addWidget(unLabel_);
    surchargeRow->addStretch();
    railsColumn->addLayout(surchargeRow);
    // The surcharge's figure reaches on under the About link.
    grid->setColumnMinimumWidth(kRailsColumn, rails->width());
    grid->addLayout(railsColumn, kGroupsRow, kRailsColumn, kButtonsRow,
                    kAboutColumn - kRailsColumn + 1, kTopLeft);
}

void MainWindow::BuildAboutLink(QWidget* panel, QGridLayout* grid) {
    auto* about = MakeToolButton(panel, "SpeedButton4", QStringLiteral("&About ..."));
    about->setAutoRaise(true);
    QFont aboutFont = about->font();
    aboutFont.setUnderline(true);
    about->setFont(aboutFont);
    QPalette aboutPalette = about->palette();
    aboutPalette.setColor(QPalette::ButtonText, Qt::blue);
    about->setPalette(aboutPalette);
    about->setFixedSize(54, 20);
    grid->addLayout(Lowered(about, 2), kGroupsRow, kAboutColumn);
    connect(about, &QToolButton::clicked, this, &MainWindow::aboutRequested);
}

void MainWindow::BuildBasePrice(QWidget* panel, QGridLayout* grid) {
    auto* baseRow = new QHBoxLayout;
    baseRow->setSpacing(6);
    baseRow->addSpacing(2);
    QLabel* base = MakeLabel(panel, "Label2", QStringLiteral("Базовая цена:"));
    base->setFont(WindowFont(16, true));
    base->adjustSize();
    basePriceLabel_ = MakeLabel(panel, "BazaLabel", QString());
    basePriceLabel_->setFont(WindowFont(16, true));
    basePriceLabel_->setFixedSize(440, 19);
    basePriceLabel_->setAccessibleName(QStringLiteral("Базовая цена"));
    unLabel_->setAccessibleName(QStringLiteral("Доплата за крышу"));
    QPalette navy = base->palette();
    navy.setColor(QPalette::WindowText, kNavy);
    base->setPalette(navy);
    basePriceLabel_->setPalette(navy);
    baseRow->addWidget(base, 0, Qt::AlignVCenter);
    baseRow->addWidget(basePriceLabel_);
    baseRow->addStretch();
    grid->addLayout(baseRow, kBaseRow, kTrimColumn, 1, kRailsColumn - kTrimColumn + 1);
}

}  // namespace kalvora::app
