#include "desktop/app/OptionPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QToolButton>
#include <QVariant>
#include <algorithm>
#include <utility>

#include "desktop/app/DrawingLabel.h"
#include "desktop/app/PictureFiles.h"
#include "desktop/pictures/CarPicture.h"
#include "desktop/settings/WindowSettings.h"
#include "engine/history/ActionHistory.h"
#include "engine/model/CarLook.h"
#include "engine/session/Session.h"

namespace kalvora::app {

using namespace window_parts;

namespace {

// The built-in background drawing: natural size, centred in the option panel.
const QSize kBackgroundSize(1000, 400);

// Check box x positions of the option columns.
constexpr int kLeftX = 56;
constexpr int kRightX = 488;
constexpr int kPackagesX = 536;
constexpr int kPriceWidth = 32;
constexpr int kInfoWidth = 13;
constexpr int kInfoHeight = 14;
// From an option row's left edge to its check box: the information button, the price and the
// gaps between them.
constexpr int kRowLead = kInfoWidth + 2 + kPriceWidth + 3;

// The information buttons beside the option rows, by option.
struct InfoButton {
    Opt option;
    const char* name;
};
constexpr InfoButton kInfoButtons[] = {
    {Opt::SecurityPack5, "SpeedButton32"},
    {Opt::AdaptiveHeadlamps, "SpeedButton13"},
    {Opt::XenonHeadlamps, "SpeedButton11"},
    {Opt::RadioPack2, "SpeedButton25"},
    {Opt::VisibilityPackage, "SpeedButton17"},
    {Opt::VisibilityPackage1, "SpeedButton18"},
    {Opt::AntiLockBrakes, "SpeedButton38"},
    {Opt::SideAirbags, "SpeedButton41"},
    {Opt::PassengerAirbag, "SpeedButton42"},
    {Opt::StabilityControl, "SpeedButton48"},
    {Opt::PowerDriverSeat6Way, "SpeedButton37"},
    {Opt::HeatedFrontSeats, "SpeedButton34"},
    {Opt::CooledGloveBox, "SpeedButton20"},
    {Opt::RearSunBlinds, "SpeedButton14"},
    {Opt::PreStartHeater, "SpeedButton47"},
    {Opt::RubberMats, "SpeedButton46"},
    {Opt::Registration, "SpeedButton44"},
    {Opt::ComfortPackage, "SpeedButton12"},
    {Opt::CruiseControl, "SpeedButton49"},
    {Opt::Alloys15, "SpeedButton21"},
    {Opt::Alloys16, "SpeedButton22"},
    {Opt::MetallicPaint, "SpeedButton39"},
    {Opt::RearParkingSensor, "SpeedButton40"},
    {Opt::FrontFogLamps, "SpeedButton10"},
    {Opt::ClimateControl, "SpeedButton19"},
    {Opt::RadioPack7, "SpeedButton29"},
    {Opt::WinterPackage, "SpeedButton16"},
    {Opt::ComfortPlusPackage, "SpeedButton15"},
    {Opt::RadioPack6, "SpeedButton27"},
    {Opt::RadioPack4, "SpeedButton28"},
    {Opt::RadioPack12, "SpeedButton30"},
    {Opt::RadioPack1, "SpeedButton31"},
    {Opt::TravellerPackage, "SpeedButton33"},
    {Opt::StyleInteriorPackage, "SpeedButton35"},
};

// What a screen reader calls an option: its own caption where the row's label says more
// (the metallic row's label ends in "Цвет:"), without the blanks that place it on screen.
QString OptionName(const OptionDef& def) {
    return Q(def.ownCaption.empty() ? def.caption : def.ownCaption).simplified();
}

// The option panel's rows: a check box every 16 pixels down its column, from 16 pixels below the
// panel's top, with more room where a group begins (and a little less in the packages' frame).
constexpr int kFirstRowY = 16;
constexpr int kRowPitch = 16;
struct RoomAbove {
    Opt option;
    int pixels;
};
constexpr RoomAbove kRoomAbove[] = {
    {Opt::WinterTyres, 8},    {Opt::RadioPack1, 16},         {Opt::SteeringRadioControl, 8},
    {Opt::SecurityPack1, 16}, {Opt::ComfortPlusPackage, -2}, {Opt::WinterPackage, 2},
    {Opt::LeatherTrim, 16},   {Opt::MetallicPaint, 8},       {Opt::TintedGlass, 4},
    {Opt::AntiLockBrakes, 4}, {Opt::SumpGuard, 8},
};

// The check box's y of every option, down each column in the table's order; the packages at the
// top of the right column and the options below them share its rhythm.
std::array<int, kOptionCount> RowYs() {
    std::array<int, kOptionCount> ys{};
    int left = kFirstRowY - kRowPitch, right = kFirstRowY - kRowPitch;
    for (const OptionDef& def : kOptionTable) {
        int& y = def.column == Column::Left ? left : right;
        y += kRowPitch;
        for (const RoomAbove& room : kRoomAbove) {
            if (room.option == def.id) y += room.pixels;
        }
        ys[Index(def.id)] = y;
    }
    return ys;
}

// The frames around the packages at the top right, the radio packages and the safety packages:
// from 6 pixels above the first row's check box to `below` pixels under the last one's.
struct FrameDef {
    const char* name;
    Opt first;
    Opt last;
    int left;
    int width;
    int below;
};
constexpr FrameDef kFrames[] = {
    {"Bevel3", Opt::StyleInteriorPackage, Opt::TravellerPackage, 482, 392, 20},
    {"Bevel1", Opt::RadioPack1, Opt::RadioPack12, 2, 424, 20},
    {"Bevel2", Opt::SecurityPack1, Opt::SecurityPack5, 2, 424, 18},
};
QRect FrameRect(const FrameDef& frame, const std::array<int, kOptionCount>& ys) {
    const int top = ys[Index(frame.first)] - 6;
    return QRect(frame.left, top, frame.width, ys[Index(frame.last)] + frame.below - top);
}

// A grid of horizontal bands for a panel whose parts lie at given heights, each indented from
// the panel's left edge: a band begins or ends wherever a part does, every band is as high as
// that leaves it, and each part spans the bands from its top to its bottom. The rows and frames
// of the option panel keep their places over the background picture this way, and whatever
// room is left goes below them.
class BandGrid {
  public:
    // `top` is the part's top in the panel's pixels; `content` is as high as the part.
    void Add(QLayoutItem* content, int indent, int top, int height) {
        auto* row = new QHBoxLayout;
        row->setSpacing(0);
        row->addSpacing(indent);
        row->addItem(content);
        row->addStretch();
        parts_.push_back({row, top, top + height});
    }
    void Add(QWidget* widget, int indent, int top, int height) {
        Add(new QWidgetItem(widget), indent, top, height);
    }
    // Puts the parts into `grid`, whose top is at `origin` of the panel's pixels.
    void Fill(QGridLayout* grid, int origin) const {
        std::vector<int> edges = {origin};
        for (const Part& p : parts_) {
            edges.push_back(p.top);
            edges.push_back(p.bottom);
        }
        std::sort(edges.begin(), edges.end());
        edges.erase(std::unique(edges.begin(), edges.end()), edges.end());
        const auto band = [&edges](int y) {
            return int(std::lower_bound(edges.begin(), edges.end(), y) - edges.begin());
        };
        for (std::size_t i = 0; i + 1 < edges.size(); ++i)
            grid->setRowMinimumHeight(int(i), edges[i + 1] - edges[i]);
        for (const Part& p : parts_)
            grid->addLayout(p.layout, band(p.top), 0, band(p.bottom) - band(p.top), 1);
        grid->setRowStretch(int(edges.size()) - 1, 1);
    }

  private:
    struct Part {
        QLayout* layout;
        int top;
        int bottom;
    };
    std::vector<Part> parts_;
};

QIcon InfoIcon() {
    QPixmap pm(9, 9);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 64, 192));
    p.drawEllipse(0, 0, 9, 9);
    p.setPen(QPen(Qt::white, 1.4));
    p.drawLine(QPointF(4.5, 3.8), QPointF(4.5, 7.2));
    p.drawPoint(QPointF(4.5, 2.0));
    return QIcon(pm);
}

QFrame* MakeBevel(QWidget* parent, const char* name, int width) {
    auto* bevel = new QFrame(parent);
    bevel->setObjectName(QLatin1String(name));
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);
    bevel->setFixedWidth(width);
    bevel->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Ignored);
    bevel->setAttribute(Qt::WA_TransparentForMouseEvents);
    return bevel;
}

}  // namespace

// Each caption of the left column ends before whatever stands right of it in its row: the
// package frame at the top, the information buttons of the right column below it, or the
// frame that holds the row.
std::vector<TextSpace> OptionPanel::LeftCaptionSpaces() {
    const std::array<int, kOptionCount> ys = RowYs();
    const QRect packages = FrameRect(kFrames[0], ys);
    std::vector<TextSpace> spaces;
    for (const OptionDef& def : kOptionTable) {
        if (def.column != Column::Left) continue;
        const int y = ys[Index(def.id)];
        int end = y < packages.bottom() ? packages.left() : kRightX - 5 - kPriceWidth - kInfoWidth;
        for (const FrameDef& frame : kFrames) {
            const QRect r = FrameRect(frame, ys);
            if (&frame != &kFrames[0] && r.contains(kLeftX, y)) end = r.right();
        }
        spaces.push_back({Q(def.caption), end - 4 - (kLeftX + 17)});
    }
    return spaces;
}

OptionPanel::OptionPanel(Session& session, QWidget* parent) : QFrame(parent), session_(session) {
    MakeRaisedPanel(this, "Panel2");
    // The body-and-shade pictures fill the panel behind everything else.
    for (int b = 0; b < kBodyCount; ++b) {
        for (int s = 0; s < 4; ++s) {
            auto* image = new DrawingLabel(this);
            image->setObjectName(Q(kShadePictures[b][s]));
            image->setAlignment(Qt::AlignCenter);
            image->setAttribute(Qt::WA_TransparentForMouseEvents);
            // The picture takes the panel's size, whatever its own.
            image->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
            image->hide();
            backgrounds_[b][s] = image;
        }
    }

    // The frames, the option rows, the colour list and the swatches, each in its band of the
    // panel, left to right by their indent; the pictures behind them fill the panel.
    const std::array<int, kOptionCount> ys = RowYs();
    BandGrid bands;
    for (const FrameDef& frame : kFrames) {
        const QRect r = FrameRect(frame, ys);
        bands.Add(MakeBevel(this, frame.name, r.width()), r.left() - 1, r.top(), r.height());
    }
    for (const OptionDef& def : kOptionTable) {
        const int x = def.column == Column::Left    ? kLeftX
                      : def.column == Column::Right ? kRightX
                                                    : kPackagesX;
        // A row is 15 pixels high, from the price's top; the check box lies a pixel lower.
        bands.Add(BuildOptionRow(def), x - kRowLead - 1, ys[Index(def.id)] - 1, 15);
    }

    // The colour list right of the metallic caption, the swatches right of the list, both
    // reaching above and below the metallic row.
    const QLabel* metallCaption = rows_[Index(Opt::MetallicPaint)].caption;
    const int metallY = ys[Index(Opt::MetallicPaint)];
    colours_ = new QComboBox(this);
    colours_->setObjectName(QStringLiteral("ComboBox1"));
    for (const ColourDef& c : kColours) colours_->addItem(Q(c.item));
    colours_->setCurrentIndex(-1);
    // Read as "Цвет: Jeans Metallic", not as the colour alone ("???", which means none).
    colours_->setAccessibleName(QStringLiteral("Цвет"));
    colours_->setItemData(0, QStringLiteral("не выбран"), Qt::AccessibleTextRole);
    colours_->setFixedSize(176, 22);
    const int coloursIndent = kRightX + 17 + metallCaption->sizeHint().width() + 6 - 1;
    bands.Add(colours_, coloursIndent, metallY - 4, colours_->height());
    connect(colours_, &QComboBox::activated, this,
            [this](int index) { session_.ChooseColour(index); });
    for (int s = 0; s < 10; ++s) {
        swatches_[s] = new QLabel(this);
        swatches_[s]->setObjectName(QStringLiteral("I%1").arg(s + 1));
        swatches_[s]->setFixedSize(64, 48);
        swatches_[s]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        swatches_[s]->hide();
        bands.Add(swatches_[s], coloursIndent + colours_->width() + 10, metallY - 20,
                  swatches_[s]->height());
    }

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    bands.Fill(grid, contentsRect().top());
    for (const auto& body : backgrounds_) {
        for (QLabel* image : body) grid->addWidget(image, 0, 0, -1, 1);
    }
}

QLayout* OptionPanel::BuildOptionRow(const OptionDef& def) {
    OptionRow& row = rows_[Index(def.id)];
    // Left to right: the information button (or its room), the price, the check box and the
    // caption; the price and the button from the row's top, the box and caption a pixel lower.
    auto* line = new QHBoxLayout;
    line->setSpacing(0);

    row.price = new QLabel(QString::number(def.price), this);
    row.price->setObjectName(Q(def.priceLabel));
    row.price->setTextFormat(Qt::PlainText);
    row.price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.price->setFixedSize(kPriceWidth, 15);
    row.price->installEventFilter(this);

    const auto smallInfoButton = [this](const char* name) {
        QToolButton* b = MakeToolButton(this, name, QString());
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setIcon(InfoIcon());
        b->setIconSize(QSize(9, 9));
        b->setAutoRaise(true);
        b->setFixedSize(kInfoWidth, kInfoHeight);
        return b;
    };
    for (const InfoButton& info : kInfoButtons) {
        if (info.option != def.id) continue;
        row.info = smallInfoButton(info.name);
        row.info->setAccessibleName(QStringLiteral("Пояснение: ") + OptionName(def));
        row.info->setToolTip(QStringLiteral("Пояснение (F1)"));
        row.info->installEventFilter(this);
        const Opt option = def.id;
        connect(row.info, &QToolButton::clicked, this,
                [this, option]() { emit optionInfoRequested(option, true); });
    }
    if (row.info) {
        line->addWidget(row.info, 0, Qt::AlignTop);
    } else {
        line->addSpacing(kInfoWidth);
    }
    line->addSpacing(2);
    line->addWidget(row.price);
    line->addSpacing(3);

    row.box = new QCheckBox(this);
    row.box->setObjectName(Q(def.name));
    row.box->setFixedSize(14, 14);
    row.box->setAccessibleName(OptionName(def));
    row.box->installEventFilter(this);
    SetOptionDescription(row, row.price->text());
    const Opt option = def.id;
    connect(row.box, &QCheckBox::clicked, this,
            [this, option](bool checked) { session_.ClickOption(option, checked); });
    line->addWidget(row.box, 0, Qt::AlignBottom);
    line->addSpacing(3);

    row.caption = new QLabel(Q(def.caption), this);
    row.caption->setTextFormat(Qt::PlainText);
    row.caption->setObjectName(QString::fromStdString(CaptionLabelName(def.id)));
    line->addWidget(row.caption, 0, Qt::AlignVCenter);

    if (def.id == Opt::Alloys15) {
        // The wheels' own picture: one more button, right of the 15" wheel row's caption.
        QToolButton* wheels = smallInfoButton("SpeedButton24");
        wheels->setAccessibleName(QStringLiteral("Легкосплавные диски"));
        row.extra = wheels;
        wheels->installEventFilter(this);
        connect(wheels, &QToolButton::clicked, this, &OptionPanel::wheelPicturesRequested);
        line->addSpacing(6);
        line->addWidget(wheels, 0, Qt::AlignTop);
    }

    if (def.hidden) {
        row.price->hide();
        row.box->hide();
        row.caption->hide();
        if (row.info) row.info->hide();
    }
    return line;
}

QLabel* OptionPanel::PriceLabel(Opt option) const {
    return rows_[Index(option)].price;
}

// --- Showing the configuration ---------------------------------------------------------------

void OptionPanel::ShowConfiguration(const Configuration& config) {
    showing_ = true;
    for (const OptionDef& def : kOptionTable) {
        OptionRow& row = rows_[Index(def.id)];
        const OptionState& s = config.Option(def.id);
        if (row.box->isChecked() != s.checked) row.box->setChecked(s.checked);
        SetControlEnabled(row.box, s.enabled);
        const QString price = QString::number(s.price);
        if (row.price->text() != price) {
            row.price->setText(price);
            SetOptionDescription(row, price);
        }
        if (row.caption->isEnabled() != s.captionEnabled) row.caption->setEnabled(s.captionEnabled);
        ApplyHighlight(row, s.shadow, s.font);
    }
    const int colour =
        config.Colour() >= 0 && config.Colour() < kColourCount ? config.Colour() : -1;
    if (colours_->currentIndex() != colour) colours_->setCurrentIndex(colour);
    showing_ = false;
}

void OptionPanel::ShowReasons(const ActionHistory& history) {
    for (const OptionDef& def : kOptionTable) {
        OptionRow& row = rows_[Index(def.id)];
        const QString reason = Q(history.Reason(def.id));
        if (row.box->toolTip() == reason) continue;
        row.box->setToolTip(reason);
        row.caption->setToolTip(reason);
        SetOptionDescription(row, row.price->text());
    }
}

void OptionPanel::ApplyHighlight(OptionRow& row, Rgb shadow, Rgb font) {
    if (row.shadow == shadow && row.font == font) return;
    row.shadow = shadow;
    row.font = font;
    QPalette pal = row.caption->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(g, QPalette::WindowText, ToColor(font));
    }
    pal.setColor(QPalette::Window, ToColor(shadow));
    row.caption->setPalette(pal);
    // Without a highlight the caption lets the background picture show through.
    row.caption->setAutoFillBackground(shadow != kShadowNone);
}

void OptionPanel::SetOptionDescription(const OptionRow& row, const QString& price) {
    // The price, then why the option stands as it does when there is a reason.
    QString description = QStringLiteral("Цена: $") + price;
    if (!row.box->toolTip().isEmpty()) description += QStringLiteral(". ") + row.box->toolTip();
    row.box->setAccessibleDescription(description);
    row.price->setAccessibleName(QStringLiteral("Цена опции «") + row.box->accessibleName() +
                                 QStringLiteral("»: ") + price + QStringLiteral(" $"));
}

// --- The pictures ----------------------------------------------------------------------------

void OptionPanel::ShowPictures(const VisiblePictures& v, const CarLook& look,
                               const PictureFiles& files, pictures::CarPictureCache& drawings) {
    ShowSwatch(v, files);
    ShowBackground(v, look, files, drawings);
}

void OptionPanel::ShowSwatch(const VisiblePictures& v, const PictureFiles& files) {
    for (int s = 0; s < 10; ++s) {
        bool show = v.swatch == s + 1;
        if (show && !files.swatches[s].isNull()) {
            if (swatches_[s]->pixmap().isNull()) {
                swatches_[s]->setPixmap(QPixmap::fromImage(files.swatches[s]));
            }
        } else if (show) {
            QImage& drawing = swatchDrawings_[s];
            if (drawing.isNull()) {
                drawing = pictures::RenderSwatch(PaintOf(s + 1), MetallicPaint(s + 1),
                                                 swatches_[s]->size());
            }
            show = ShowDrawingIn(swatches_[s], drawing);
        }
        swatches_[s]->setVisible(show);
    }
}

void OptionPanel::ShowBackground(const VisiblePictures& v, const CarLook& look,
                                 const PictureFiles& files, pictures::CarPictureCache& drawings) {
    const int shade = ShadeIndex(v.shade);
    if (v.shadeBody >= 0 && v.shadeBody < kBodyCount && shade >= 0 &&
        files.shades[v.shadeBody][shade].isNull()) {
        // Another body-and-shade drawing: the label that shows the drawing now takes the new
        // one's place and name, so that only what differs is repainted, not one whole label
        // hidden and another shown.
        HandOverDrawingLabel(backgrounds_[v.shadeBody][shade], files);
    }
    for (int b = 0; b < kBodyCount; ++b) {
        for (int s = 0; s < 4; ++s) {
            QLabel* background = backgrounds_[b][s];
            const QImage& image = files.shades[b][s];
            bool show = v.shadeBody == b && shade == s;
            if (show && !image.isNull()) {
                if (background->pixmap().isNull()) background->setPixmap(QPixmap::fromImage(image));
            } else if (show) {
                CarLook drawn = look;
                drawn.body = b;
                // Drawn at the size it is shown at, in the screen's pixels: a paint only copies
                // it, and a new look repaints only where it differs from the one before.
                const qreal scale = background->devicePixelRatioF();
                const QImage& drawing = drawings.Picture(
                    drawn, (QSizeF(kBackgroundSize) * scale).toSize(), pictures::Strength::Faint);
                show = !drawing.isNull();
                if (show) static_cast<DrawingLabel*>(background)->ShowDrawing(drawing, scale);
            }
            // Behind every label and control of the option panel; the panel's grid makes it fill
            // the panel.
            if (show && !background->isVisible()) background->lower();
            background->setVisible(show);
        }
    }
}

void OptionPanel::HandOverDrawingLabel(QLabel*& chosen, const PictureFiles& files) {
    for (int b = 0; b < kBodyCount; ++b) {
        for (int s = 0; s < 4; ++s) {
            QLabel*& shown = backgrounds_[b][s];
            if (shown == chosen || shown->isHidden() || !files.shades[b][s].isNull()) continue;
            const QString name = shown->objectName();
            shown->setObjectName(chosen->objectName());
            chosen->setObjectName(name);
            std::swap(shown, chosen);
        }
    }
}

// --- Keyboard, focus and mouse ---------------------------------------------------------------

void OptionPanel::AppendTabStops(std::vector<QWidget*>& chain) const {
    for (const OptionDef& def : kOptionTable) {
        const OptionRow& row = rows_[Index(def.id)];
        if (def.hidden) continue;
        if (row.info) chain.push_back(row.info);
        chain.push_back(row.box);
        if (row.extra) chain.push_back(row.extra);
        if (def.id == Opt::MetallicPaint) chain.push_back(colours_);
    }
}

void OptionPanel::RememberWishOf(const QWidget* focused) {
    for (const OptionDef& def : kOptionTable) {
        if (rows_[Index(def.id)].box == focused) {
            session_.RememberWish(def.id);
            return;
        }
    }
}

const OptionPanel::OptionRow* OptionPanel::RowOf(const QWidget* w) const {
    if (!w) return nullptr;
    for (const OptionRow& row : rows_) {
        if (w == row.box || w == row.info || w == row.price || w == row.extra) return &row;
    }
    return nullptr;
}

bool OptionPanel::ExplainFocusedOption(const QWidget* focused) {
    const OptionRow* row = RowOf(focused);
    if (!row) return false;
    if (focused == row->extra) {
        emit wheelPicturesRequested();
    } else {
        emit optionInfoRequested(static_cast<Opt>(row - rows_.data()), true);
    }
    return true;
}

void OptionPanel::ShowFocusRow(const QWidget* focused) {
    const OptionRow* row = RowOf(focused);
    if (!row || focused == row->price) {
        if (focusRow_) focusRow_->hide();
        return;
    }
    if (!focusRow_) {
        focusRow_ = new QFrame(this);
        focusRow_->setObjectName(QStringLiteral("FocusRow"));
        focusRow_->setAttribute(Qt::WA_TransparentForMouseEvents);
        const QColor h = palette().color(QPalette::Highlight);
        focusRow_->setStyleSheet(
            QStringLiteral("QFrame#FocusRow { border: 2px solid %1; border-radius: 3px; "
                           "background: rgba(%2, %3, %4, 56); }")
                .arg(h.name())
                .arg(h.red())
                .arg(h.green())
                .arg(h.blue()));
    }
    QRect r = row->price->geometry() | row->box->geometry() | row->caption->geometry();
    if (row->info) r |= row->info->geometry();
    if (row->extra) r |= row->extra->geometry();
    focusRow_->setGeometry(r.adjusted(-3, -3, 3, 3));
    // Above the background picture, under the row's own controls.
    focusRow_->stackUnder(row->price);
    focusRow_->show();
}

bool OptionPanel::eventFilter(QObject* watched, QEvent* e) {
    switch (e->type()) {
        case QEvent::FocusIn:
            ShowFocusRow(qobject_cast<QWidget*>(watched));
            // The session knows which box has the focus, whatever moved it there.
            for (const OptionDef& def : kOptionTable) {
                if (rows_[Index(def.id)].box == watched)
                    session_.Focus().Follow(FocusTarget::OptionBox(def.id));
            }
            break;
        case QEvent::FocusOut:
            ShowFocusRow(nullptr);
            BoxLosesFocus(watched, static_cast<QFocusEvent*>(e));
            break;
        case QEvent::MouseButtonRelease: {
            auto* label = qobject_cast<QLabel*>(watched);
            const auto* me = static_cast<QMouseEvent*>(e);
            if (!label || me->button() != Qt::LeftButton || !label->rect().contains(me->pos()))
                break;
            for (const OptionDef& def : kOptionTable) {
                if (rows_[Index(def.id)].price == label) {
                    emit optionInfoRequested(def.id, false);
                    return true;
                }
            }
            break;
        }
        default:
            break;
    }
    return QFrame::eventFilter(watched, e);
}

void OptionPanel::BoxLosesFocus(QObject* watched, const QFocusEvent* e) {
    for (const OptionDef& def : kOptionTable) {
        if (rows_[Index(def.id)].box != watched) continue;
        FocusModel& focus = session_.Focus();
        const FocusTarget box = FocusTarget::OptionBox(def.id);
        // Unless the session has moved the focus itself (a decode ran the exit rule),
        // the wish is remembered before the control taking the focus acts.
        if (focus.Current() == box && !showing_ && IsFocusMoveWithinWindow(e)) {
            session_.RememberWish(def.id);
        }
        if (focus.Current() == box) focus.Follow(FocusTarget::Nothing());
        break;
    }
}

}  // namespace kalvora::app
