#include "desktop/app/MainWindow.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QShortcut>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <QVariant>
#include <algorithm>
#include <tuple>
#include <utility>

#include "KalvoraVersion.h"
#include "desktop/app/DrawingLabel.h"
#include "desktop/app/LabelTextCache.h"
#include "desktop/app/MainWindowSettings.h"
#include "desktop/app/PriceBreakdownTip.h"
#include "desktop/app/RecentFiles.h"
#include "engine/documents/Comparison.h"
#include "engine/model/PriceTexts.h"
#include "desktop/settings/WindowSettings.h"

namespace kalvora::app {

namespace {

// The built-in background drawing: natural size, centred in the option panel.
const QSize kBackgroundSize(1000, 400);

// Puts a drawing into `label` unless it already shows it; false when there is no drawing.
bool ShowDrawing(QLabel* label, const QImage& image) {
    if (image.isNull()) return false;
    const QVariant shown = label->property("drawing");
    if (!shown.isValid() || shown.toLongLong() != image.cacheKey() || label->pixmap().isNull()) {
        label->setPixmap(QPixmap::fromImage(image));
        label->setProperty("drawing", image.cacheKey());
    }
    return true;
}

const QColor kPanelColour(221, 221, 221);
const QColor kNavy(0, 0, 128);

// Window texts that are the window's own (the rules' texts come from the engine).
const char kCaption[] = "Kalvora  (V " KALVORA_VERSION " от 08.02.2007)";
// With a file: the program's name and the file's name.
const char kFileCaption[] = "Kalvora — ";
// The size the window is laid out for; in a smaller one the panels scroll.
constexpr QSize kDesignSize(1023, 708);
// The top strip's height with all of it in one row.
constexpr int kStripHeight = 40;
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

QString Q(std::string_view s) {
    return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// What a screen reader calls an option: its own caption where the row's label says more
// (the metallic row's label ends in "Цвет:"), without the blanks that place it on screen.
QString OptionName(const OptionDef& def) {
    return Q(def.ownCaption.empty() ? def.caption : def.ownCaption).simplified();
}

// A label that shows a figure is read with what the figure is: "Базовая цена: 12420 $".
QString FigureName(const QString& what, const QString& figure) {
    bool number = false;
    figure.toLongLong(&number);
    return what + QStringLiteral(": ") + figure + (number ? QStringLiteral(" $") : QString());
}

// MS Sans Serif 8 pt is about 11 pixels; Arial-metric faces keep the captions as wide as the
// program was laid out for.
QFont WindowFont(int pixelSize, bool bold = false) {
    QFont f;
    f.setFamilies({QStringLiteral("Liberation Sans"), QStringLiteral("Arial"),
                   QStringLiteral("Nimbus Sans"), QStringLiteral("DejaVu Sans Condensed"),
                   QStringLiteral("DejaVu Sans")});
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// The font at the largest size, from `largest` down to `smallest` pixels, at which every text
// fits into its width: a wider face than the one the window was laid out for is drawn smaller
// rather than cut off or run into its neighbour.
struct TextSpace {
    QString text;
    int width;
};
QFont FittingFont(int largest, int smallest, bool bold, const std::vector<TextSpace>& texts) {
    QFont f = WindowFont(largest, bold);
    for (int size = largest; size > smallest; --size) {
        f.setPixelSize(size);
        const QFontMetrics metrics(f);
        bool fits = true;
        for (const TextSpace& t : texts)
            fits = fits && metrics.horizontalAdvance(t.text) <= t.width;
        if (fits) return f;
    }
    f.setPixelSize(smallest);
    return f;
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

// Each caption of the left column ends before whatever stands right of it in its row: the
// package frame at the top, the information buttons of the right column below it, or the
// frame that holds the row.
std::vector<TextSpace> LeftCaptionSpaces() {
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

QFont CodeFont() {
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Liberation Mono"),
                   QStringLiteral("Nimbus Mono PS"), QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::Monospace);
    f.setFixedPitch(true);
    f.setPixelSize(13);
    return f;
}

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

// A curved arrow turning back to the left (undo) or, mirrored, to the right (redo).
QIcon StepIcon(bool redo) {
    QPixmap pm(16, 16);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    if (redo) p.setTransform(QTransform(-1, 0, 0, 1, 16, 0));
    p.setPen(QPen(QColor(0, 0, 128), 1.8, Qt::SolidLine, Qt::RoundCap));
    p.drawArc(QRectF(3.5, 4.5, 10, 9), 0, 180 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 128));
    p.drawPolygon(QPolygonF({QPointF(0.5, 8.0), QPointF(6.5, 8.0), QPointF(3.5, 12.5)}));
    return QIcon(pm);
}

QWidget* MakePanel(QWidget* parent, const char* name) {
    auto* panel = new QFrame(parent);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setObjectName(QLatin1String(name));
    panel->setAutoFillBackground(true);
    QPalette pal = panel->palette();
    pal.setColor(QPalette::Window, kPanelColour);
    panel->setPalette(pal);
    return panel;
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->adjustSize();
    return label;
}

QRadioButton* MakeRadio(QWidget* parent, std::string_view name, std::string_view caption, int x,
                        int y, int width) {
    auto* radio = new QRadioButton(Q(caption), parent);
    radio->setObjectName(Q(name));
    // Exclusivity is the engine's: it may leave a group with nothing selected.
    radio->setAutoExclusive(false);
    radio->setGeometry(x, y, width, 16);
    radio->setAccessibleName(Q(caption));
    if (auto* group = qobject_cast<QGroupBox*>(parent))
        radio->setAccessibleDescription(group->title().trimmed().remove(QLatin1Char(':')));
    return radio;
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

QToolButton* MakeToolButton(QWidget* parent, const char* name, const QString& text) {
    auto* b = new QToolButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setText(text);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    // Tab reaches every button; a click does not take the focus, so a check box keeps it.
    b->setFocusPolicy(Qt::TabFocus);
    // A caption's "&" marks its Alt key and is shown as an underline only.
    b->setAccessibleName(QString(text).remove(QLatin1Char('&')));
    return b;
}

bool IsFocusMoveWithinWindow(const QFocusEvent* e) {
    // Another window becoming active (a message box, the order or credit window) or a pop-up
    // menu does not move the focus inside this window.
    return e->reason() != Qt::ActiveWindowFocusReason && e->reason() != Qt::PopupFocusReason;
}

std::string PathArgument(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

}  // namespace

// --- Building --------------------------------------------------------------------------------

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent),
      ui_(this),
      session_(ui_),
      config_(session_.Config()),
      history_(session_.History()),
      settingsPath_(SettingsFilePath()) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromUtf8(kCaption));
    // The longest caption of the left column must end before the right column begins.
    setFont(FittingFont(11, 9, false, LeftCaptionSpaces()));
    resize(1023, 708);

    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) startArgs_.push_back(PathArgument(args[i]));

    // The top strip (the code field, the commands and the price) stays at the top, outside
    // the scrolling; the panels below scroll in a window smaller than they were laid out for
    // (a small screen, a large scale factor), and in a larger one they grow with it.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    commandStrip_ = MakePanel(this, "Panel3");
    commandStrip_->setFixedHeight(kStripHeight);
    commandStrip_->installEventFilter(this);
    outer->addWidget(commandStrip_);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("PanelScroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    // A click beside the controls must not take the focus from a check box.
    scroll_->setFocusPolicy(Qt::NoFocus);
    outer->addWidget(scroll_);
    auto* content = new QWidget;
    content->setObjectName(QStringLiteral("PanelArea"));
    // As wide as the panels' layouts need, as high as laid out.
    content->setMinimumHeight(kDesignSize.height() - kStripHeight);
    scroll_->setWidget(content);

    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    choicesPanel_ = MakePanel(content, "Panel1");
    choicesPanel_->setFixedHeight(123);
    optionsPanel_ = MakePanel(content, "Panel2");
    layout->addWidget(choicesPanel_);
    layout->addWidget(optionsPanel_, 1);

    BuildCommandBar(commandStrip_);
    BuildMainChoices(choicesPanel_);
    BuildOptions(optionsPanel_);
    // The labels over the faint background are painted again with each new paint colour.
    (new LabelTextCache(this))->Watch(optionsPanel_);

    // FormCreate: the picture files of the working directory.
    pictures_ = LoadPictureFiles(QDir::currentPath());
    ShowPictures();

    ui_.dialogFolder = ReadLastFolder(settingsPath_);
    connect(&signals_, &SessionSignals::changedDirectly, this, &MainWindow::SyncSoon);
    connect(&signals_, &SessionSignals::codeDecoded, this,
            [this]() { codeField_->setFocus(Qt::OtherFocusReason); });
    connect(&signals_, &SessionSignals::verbDone, this, &MainWindow::Sync);
    connect(&signals_, &SessionSignals::actionDone, this, &MainWindow::ShowActionResult);
    session_.SetObserver(&signals_);

    // Enter works a focused button as Space does.
    for (QToolButton* b : findChildren<QToolButton*>()) b->installEventFilter(this);
    ArrangeTabOrder();
    AddShortcuts();
    Sync();
    ShowActionResult();
}

MainWindow::~MainWindow() {
    session_.SetObserver(nullptr);
    WriteSettings();
}

void MainWindow::BuildCommandBar(QWidget* panel) {
    MakeLabel(panel, "Label1", QStringLiteral("Код:"))->move(8, 13);

    codeField_ = new QLineEdit(panel);
    codeField_->setObjectName(QStringLiteral("Edit1"));
    codeField_->setFont(CodeFont());
    codeField_->setGeometry(36, 9, 186, 22);
    codeField_->setToolTip(QStringLiteral(
        "Код конфигурации. Enter или двойной щелчок — восстановить конфигурацию по коду"));
    codeField_->setAccessibleName(QStringLiteral("Код конфигурации"));
    codeField_->setAccessibleDescription(codeField_->toolTip());
    codeField_->installEventFilter(this);
    connect(codeField_, &QLineEdit::textEdited, this, [this](const QString& text) {
        codeTyped_ = true;
        session_.TypeCode(text.toStdString());
    });
    connect(codeField_, &QLineEdit::returnPressed, this, [this]() { DecodeCodeField(); });

    struct Command {
        const char* name;
        const char* text;
        void (MainWindow::*handler)();
    };
    const Command commands[] = {
        {"SpeedButton9", "&Заказ...", &MainWindow::OrderClick},
        {"SpeedButton2", "&Открыть...", &MainWindow::OpenClick},
        {"SpeedButton1", "&Сохранить...", &MainWindow::SaveClick},
        {"SpeedButton3", "C&heck List...", &MainWindow::CheckListClick},
        {"SpeedButton8", "Сб&росить всё", &MainWindow::ResetAll},
        {"SpeedButton26", "Ос&настить", &MainWindow::EquipAll},
        {"SpeedButton23", "&Кредит...", &MainWindow::CreditClick},
    };
    int x = 232;
    for (const Command& c : commands) {
        QToolButton* b = MakeToolButton(panel, c.name, QString::fromUtf8(c.text));
        if (c.handler == &MainWindow::OpenClick) {
            // The recent files hang on the Open button's arrow.
            recentMenu_ = new QMenu(b);
            recentMenu_->setObjectName(QStringLiteral("RecentFiles"));
            connect(recentMenu_, &QMenu::aboutToShow, this, [this]() { FillRecentMenu(); });
            b->setMenu(recentMenu_);
            b->setPopupMode(QToolButton::MenuButtonPopup);
            b->setToolTip(
                QStringLiteral("Открыть файл конфигурации (Ctrl+O); стрелка вниз — "
                               "последние файлы"));
        }
        const int width = std::max(72, b->sizeHint().width() + 8);
        b->setGeometry(x, 7, width, 26);
        x += width + 4;
        stripButtons_.push_back(b);
        connect(b, &QToolButton::clicked, this, c.handler);
    }
    // Undo and redo: two small buttons, and the usual keys anywhere in the window.
    undoButton_ = MakeToolButton(panel, "UndoButton", QString());
    redoButton_ = MakeToolButton(panel, "RedoButton", QString());
    undoButton_->setAccessibleName(QStringLiteral("Отменить"));
    redoButton_->setAccessibleName(QStringLiteral("Повторить"));
    undoButton_->setIcon(StepIcon(false));
    redoButton_->setIcon(StepIcon(true));
    for (QToolButton* b : {undoButton_, redoButton_}) {
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
        b->setIconSize(QSize(16, 16));
        b->setGeometry(x, 7, 26, 26);
        x += 26 + 2;
        stripButtons_.push_back(b);
    }
    for (QToolButton* b : stripButtons_) stripPlaces_.push_back(b->geometry());
    x += 2;
    connect(undoButton_, &QToolButton::clicked, this, &MainWindow::UndoClick);
    connect(redoButton_, &QToolButton::clicked, this, &MainWindow::RedoClick);
    auto* undoKey = new QShortcut(QKeySequence::Undo, this);
    connect(undoKey, &QShortcut::activated, this, &MainWindow::UndoClick);
    for (const QKeySequence& keys :
         {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)}) {
        auto* redoKey = new QShortcut(keys, this);
        connect(redoKey, &QShortcut::activated, this, &MainWindow::RedoClick);
    }

    priceLabel_ = new QLabel(panel);
    priceLabel_->setObjectName(QStringLiteral("PriceLabel"));
    priceLabel_->setTextFormat(Qt::PlainText);
    priceLabel_->setFont(
        FittingFont(24, 16, true, {{QStringLiteral("Цена: $XXXXX"), 1023 - x - 16}}));
    QPalette pal = priceLabel_->palette();
    pal.setColor(QPalette::WindowText, kNavy);
    priceLabel_->setPalette(pal);
    priceLabel_->setGeometry(x + 12, 4, 1023 - x - 16, 32);
    pricePlace_ = priceLabel_->geometry();
    priceLabel_->setAccessibleName(QStringLiteral("Цена"));
    priceLabel_->setAccessibleDescription(QStringLiteral("Цена автомобиля со всеми опциями"));

    auto* priceButton = new QPushButton(QStringLiteral("Цена?"), panel);
    priceButton->setObjectName(QStringLiteral("PriceButton"));
    priceButton->hide();
    connect(priceButton, &QPushButton::clicked, this, [this]() { session_.MarkFiguresDue(); });
}

void MainWindow::BuildMainChoices(QWidget* panel) {
    // The groups side by side, each with its comparison button under it, the base price below
    // them. The gaps between the groups give way when the window is narrower than laid out;
    // room beyond it goes right of the About link.
    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(5, 1, 4, 0);
    grid->setSpacing(0);
    enum Col {
        kTrimColumn = 0,
        kBodyColumn = 2,
        kPictureColumn = 4,
        kEngineColumn = 6,
        kRailsColumn = 8,
        kAboutColumn = 10,
        kRestColumn
    };
    enum Row { kGroupsRow = 0, kButtonsRow = 2, kBaseRow = 4 };
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
    // A widget lower than its cell's top by `down` pixels.
    const auto lowered = [](QWidget* w, int down) {
        auto* column = new QVBoxLayout;
        column->setSpacing(0);
        column->addSpacing(down);
        column->addWidget(w);
        column->addStretch();
        return column;
    };
    const Qt::Alignment topLeft = Qt::AlignTop | Qt::AlignLeft;

    // Trim: two columns, filled column by column.
    auto* trimGroup = new QGroupBox(QStringLiteral(" Комплектация: "), panel);
    trimGroup->setObjectName(QStringLiteral("Compl"));
    trimGroup->setFixedSize(172, 76);
    grid->addWidget(trimGroup, kGroupsRow, kTrimColumn, topLeft);
    for (int t = 0; t < kTrimCount; ++t) {
        const int column = t / 2, row = t % 2;
        trims_[t] = MakeRadio(trimGroup, "", kTrimItems[t], 10 + column * 80, 22 + row * 24, 76);
        trims_[t]->setObjectName(QStringLiteral("Compl_%1").arg(t));
        connect(trims_[t], &QRadioButton::clicked, this, [this, t]() { session_.ChooseTrim(t); });
    }
    auto* compare =
        MakeToolButton(panel, "SpeedButton5", QStringLiteral("Сравнение ко&мплектаций"));
    compare->setFixedSize(172, 20);
    grid->addWidget(compare, kButtonsRow, kTrimColumn, topLeft);
    compare->setCursor(Qt::WhatsThisCursor);
    connect(compare, &QToolButton::clicked, this, &MainWindow::trimComparisonRequested);

    auto* bodies = new QGroupBox(QStringLiteral(" Тип кузова: "), panel);
    bodies->setObjectName(QStringLiteral("GroupBox2"));
    bodies->setFixedSize(108, 76);
    grid->addWidget(bodies, kGroupsRow, kBodyColumn, topLeft);
    for (int b = 0; b < kBodyCount; ++b) {
        bodies_[b] = MakeRadio(bodies, kBodies[b].name, kBodies[b].caption, 8, 15 + b * 15, 96);
        connect(bodies_[b], &QRadioButton::clicked, this, [this, b]() { session_.ChooseBody(b); });
    }
    compare = MakeToolButton(panel, "SpeedButton6", QStringLiteral("Сравнение &типов кузовов"));
    compare->setFixedSize(156, 20);
    // Wider than its group: it reaches under the body picture.
    grid->addWidget(compare, kButtonsRow, kBodyColumn, 1, kPictureColumn - kBodyColumn + 1,
                    topLeft);
    compare->setCursor(Qt::WhatsThisCursor);
    connect(compare, &QToolButton::clicked, this, &MainWindow::bodyComparisonRequested);

    // The body picture area: the placeholder under the four body pictures, a little lower than
    // the groups' tops.
    const QSize pictureSize(142, 78);
    placeholder_ = new QLabel(panel);
    placeholder_->setObjectName(QStringLiteral("NeN"));
    placeholder_->setFixedSize(pictureSize);
    placeholder_->setPixmap(PlaceholderPicture());
    grid->addLayout(lowered(placeholder_, 2), kGroupsRow, kPictureColumn, kButtonsRow + 1, 1);
    for (int b = 0; b < kBodyCount; ++b) {
        bodyImages_[b] = new QLabel(panel);
        bodyImages_[b]->setObjectName(Q(kBodyPictures[b]));
        bodyImages_[b]->setFixedSize(pictureSize);
        bodyImages_[b]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        bodyImages_[b]->hide();
        grid->addLayout(lowered(bodyImages_[b], 2), kGroupsRow, kPictureColumn, kButtonsRow + 1, 1);
    }

    auto* engines = new QGroupBox(QStringLiteral(" Двигатель и коробка: "), panel);
    engines->setObjectName(QStringLiteral("DvigBox"));
    engines->setFixedSize(252, 76);
    grid->addWidget(engines, kGroupsRow, kEngineColumn, topLeft);
    for (int e = 0; e < kEngineCount; ++e) {
        const int column = e / 4, row = e % 4;
        engines_[e] = MakeRadio(engines, kEngines[e].name, kEngines[e].caption, 8 + column * 122,
                                15 + row * 15, 118);
        engines_[e]->installEventFilter(this);
        connect(engines_[e], &QRadioButton::clicked, this, [this, e]() {
            engineEnteredByMouse_ = -1;
            session_.ClickEngine(e);
        });
    }
    // Under the engines and on to the right edge: the engine comparison, then the comparison
    // with another variant and the offer letter (the command bar has no room left beside the
    // price), then the notice of the last action.
    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(6);
    compare = MakeToolButton(panel, "SpeedButton7", QStringLiteral("Сравнение &двигателей"));
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

    auto* rails = new QGroupBox(QStringLiteral(" Для кузова Универсал: "), panel);
    rails->setObjectName(QStringLiteral("Univers"));
    rails->setFixedSize(252, 62);
    for (int r = 0; r < kRailsCount; ++r) {
        rails_[r] = MakeRadio(rails, kRails[r].name, kRails[r].caption, 8, 15 + r * 15, 240);
        connect(rails_[r], &QRadioButton::clicked, this, [this, r]() { session_.ChooseRails(r); });
    }
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
                    kAboutColumn - kRailsColumn + 1, topLeft);

    // What the last action changed besides its target: one or two lines, until the next one.
    // It takes what the row leaves, up to its own width.
    notice_ = new QLabel(panel);
    notice_->setObjectName(QStringLiteral("NoticeLabel"));
    notice_->setTextFormat(Qt::PlainText);
    notice_->setWordWrap(true);
    notice_->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    notice_->setFixedHeight(34);
    notice_->setMaximumWidth(188);
    notice_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    notice_->setMargin(2);
    notice_->setAccessibleName(QStringLiteral("Уведомление"));
    QPalette noticePalette = notice_->palette();
    noticePalette.setColor(QPalette::Window, QColor(255, 250, 205));
    noticePalette.setColor(QPalette::WindowText, QColor(96, 48, 0));
    notice_->setPalette(noticePalette);
    notice_->setAutoFillBackground(true);
    notice_->hide();
    buttons->addLayout(lowered(notice_, 5), 1);
    grid->addLayout(buttons, kButtonsRow, kEngineColumn, kBaseRow - kButtonsRow + 1,
                    kAboutColumn - kEngineColumn + 1, Qt::AlignTop);

    auto* about = MakeToolButton(panel, "SpeedButton4", QStringLiteral("&About ..."));
    about->setAutoRaise(true);
    QFont aboutFont = about->font();
    aboutFont.setUnderline(true);
    about->setFont(aboutFont);
    QPalette aboutPalette = about->palette();
    aboutPalette.setColor(QPalette::ButtonText, Qt::blue);
    about->setPalette(aboutPalette);
    about->setFixedSize(54, 20);
    grid->addLayout(lowered(about, 2), kGroupsRow, kAboutColumn);
    connect(about, &QToolButton::clicked, this, &MainWindow::aboutRequested);

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

    auto* complButton = new QPushButton(QStringLiteral("Compl"), panel);
    complButton->setObjectName(QStringLiteral("ComplButton"));
    complButton->hide();
    connect(complButton, &QPushButton::clicked, this, [this]() { session_.ApplyTrimRules(); });
}

void MainWindow::BuildOptions(QWidget* panel) {
    // The body-and-shade pictures fill the panel behind everything else.
    for (int b = 0; b < kBodyCount; ++b) {
        for (int s = 0; s < 4; ++s) {
            auto* image = new DrawingLabel(panel);
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
        bands.Add(MakeBevel(panel, frame.name, r.width()), r.left() - 1, r.top(), r.height());
    }
    for (const OptionDef& def : kOptionTable) {
        const int x = def.column == Column::Left    ? kLeftX
                      : def.column == Column::Right ? kRightX
                                                    : kPackagesX;
        // A row is 15 pixels high, from the price's top; the check box lies a pixel lower.
        bands.Add(BuildOptionRow(panel, def), x - kRowLead - 1, ys[Index(def.id)] - 1, 15);
    }

    // The colour list right of the metallic caption, the swatches right of the list, both
    // reaching above and below the metallic row.
    const QLabel* metallCaption = rows_[Index(Opt::MetallicPaint)].caption;
    const int metallY = ys[Index(Opt::MetallicPaint)];
    colours_ = new QComboBox(panel);
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
        swatches_[s] = new QLabel(panel);
        swatches_[s]->setObjectName(QStringLiteral("I%1").arg(s + 1));
        swatches_[s]->setFixedSize(64, 48);
        swatches_[s]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        swatches_[s]->hide();
        bands.Add(swatches_[s], coloursIndent + colours_->width() + 10, metallY - 20,
                  swatches_[s]->height());
    }

    auto* grid = new QGridLayout(panel);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(0);
    bands.Fill(grid, panel->contentsRect().top());
    for (const auto& body : backgrounds_) {
        for (QLabel* image : body) grid->addWidget(image, 0, 0, -1, 1);
    }
}

QLayout* MainWindow::BuildOptionRow(QWidget* panel, const OptionDef& def) {
    OptionRow& row = rows_[Index(def.id)];
    // Left to right: the information button (or its room), the price, the check box and the
    // caption; the price and the button from the row's top, the box and caption a pixel lower.
    auto* line = new QHBoxLayout;
    line->setSpacing(0);

    row.price = new QLabel(QString::number(def.price), panel);
    row.price->setObjectName(Q(def.priceLabel));
    row.price->setTextFormat(Qt::PlainText);
    row.price->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    row.price->setFixedSize(kPriceWidth, 15);
    row.price->installEventFilter(this);

    const auto smallInfoButton = [panel](const char* name) {
        QToolButton* b = MakeToolButton(panel, name, QString());
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

    row.box = new QCheckBox(panel);
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

    row.caption = new QLabel(Q(def.caption), panel);
    row.caption->setTextFormat(Qt::PlainText);
    row.caption->setObjectName(QString::fromStdString(CaptionLabelName(def.id)));
    line->addWidget(row.caption, 0, Qt::AlignVCenter);

    if (def.id == Opt::Alloys15) {
        // The wheels' own picture: one more button, right of the 15" wheel row's caption.
        QToolButton* wheels = smallInfoButton("SpeedButton24");
        wheels->setAccessibleName(QStringLiteral("Легкосплавные диски"));
        row.extra = wheels;
        connect(wheels, &QToolButton::clicked, this, &MainWindow::wheelPicturesRequested);
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

QLabel* MainWindow::OptionPriceLabel(Opt option) const {
    return rows_[Index(option)].price;
}

// --- Showing the engine's state --------------------------------------------------------------

void MainWindow::SyncSoon() {
    // Inside an engine call the window is brought up to date once the call returns; a change
    // made from elsewhere is shown as soon as the event loop runs.
    if (syncing_ || syncQueued_) return;
    syncQueued_ = true;
    QMetaObject::invokeMethod(
        this,
        [this]() {
            syncQueued_ = false;
            Sync();
        },
        Qt::QueuedConnection);
}

void MainWindow::SetControlEnabled(QWidget* w, bool enabled) {
    if (w->isEnabled() == enabled) return;
    // Qt would hand the focus of a control being disabled to its neighbour, which would then
    // look entered; the focus is dropped instead.
    if (!enabled && w->hasFocus()) w->clearFocus();
    w->setEnabled(enabled);
}

void MainWindow::ApplyHighlight(OptionRow& row, Rgb shadow, Rgb font) {
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

void MainWindow::Sync() {
    if (syncing_) return;
    syncing_ = true;
    for (const OptionDef& def : kOptionTable) {
        OptionRow& row = rows_[Index(def.id)];
        const OptionState& s = config_.Option(def.id);
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
    for (int t = 0; t < kTrimCount; ++t) trims_[t]->setChecked(config_.Trim() == t);
    for (int b = 0; b < kBodyCount; ++b) {
        bodies_[b]->setChecked(config_.Body() == b);
        SetControlEnabled(bodies_[b], config_.BodyEnabled(b));
    }
    for (int r = 0; r < kRailsCount; ++r) {
        rails_[r]->setChecked(config_.Rails() == r);
        SetControlEnabled(rails_[r], config_.RailsEnabled(r));
    }
    for (int e = 0; e < kEngineCount; ++e) {
        engines_[e]->setChecked(config_.Engine() == e);
        SetControlEnabled(engines_[e], config_.EngineEnabled(e));
    }
    const int colour =
        config_.Colour() >= 0 && config_.Colour() < kColourCount ? config_.Colour() : -1;
    if (colours_->currentIndex() != colour) colours_->setCurrentIndex(colour);

    // Until the start code has run, the labels hold the form's design-time texts
    // ("BazaLabel", "Цена: $12345"), which are no figures: the window leaves them empty.
    const bool started = !config_.StartupPending();
    const QString basePrice =
        started ? QString::fromStdString(BasePriceText(config_.Figures())) : QString();
    if (basePriceLabel_->text() != basePrice) {
        basePriceLabel_->setText(basePrice);
        basePriceLabel_->setAccessibleName(FigureName(QStringLiteral("Базовая цена"), basePrice));
    }
    const QString un =
        started ? QString::fromStdString(SurchargeText(config_.Figures())) : QString();
    if (unLabel_->text() != un) {
        unLabel_->setText(un);
        unLabel_->setAccessibleName(FigureName(QStringLiteral("Доплата за крышу"), un));
    }
    const QString price =
        started ? QString::fromStdString(PriceLabelText(config_.Figures())) : QString();
    const QString code = QString::fromStdString(config_.CodeFieldText());
    // The code and the price together name the configuration: its breakdown changes with them.
    if (priceLabel_->text() != price || priceLabel_->property("breakdownCode") != code) {
        priceLabel_->setText(price);
        ArrangeStrip();
        priceLabel_->setProperty("breakdownCode", code);
        priceLabel_->setToolTip(started ? PriceBreakdownTip(config_) : QString());
        // Read as it shows: "Цена: $16215".
        priceLabel_->setAccessibleName(
            price.startsWith(QStringLiteral("Цена")) ? price : QStringLiteral("Цена: ") + price);
    }
    if (codeField_->text() != code) {
        codeField_->setText(code);
        codeTyped_ = false;
    }

    ShowPictures();
    UpdateTitle();
    syncing_ = false;
}

void MainWindow::SetOptionDescription(const OptionRow& row, const QString& price) {
    // The price, then why the option stands as it does when there is a reason.
    QString description = QStringLiteral("Цена: $") + price;
    if (!row.box->toolTip().isEmpty()) description += QStringLiteral(". ") + row.box->toolTip();
    row.box->setAccessibleDescription(description);
    row.price->setAccessibleName(QStringLiteral("Цена опции «") + row.box->accessibleName() +
                                 QStringLiteral("»: ") + price + QStringLiteral(" $"));
}

void MainWindow::UpdateTitle() {
    const std::string& file = config_.DocumentPath();
    QString title = file.empty() ? QString::fromUtf8(kCaption)
                                 : QString::fromUtf8(kFileCaption) +
                                       QFileInfo(QFile::decodeName(file.c_str())).fileName();
    if (config_.HasUnsavedChanges()) title += QLatin1Char('*');
    if (windowTitle() != title) setWindowTitle(title);
}

void MainWindow::ShowPictures() {
    // Which pictures show is the rules' choice; a picture file of the working directory is shown
    // as it is, otherwise the car is drawn as configured (paint, rails, wheels).
    const VisiblePictures& v = config_.Pictures();
    const CarLook look = LookOf(config_);
    bool bodyShown = false;
    for (int b = 0; b < kBodyCount; ++b) {
        const bool chosen = v.body == b;
        bool show = false;
        if (!pictures_.bodies[b].isNull()) {
            show = chosen;
            if (show && bodyImages_[b]->pixmap().isNull()) {
                bodyImages_[b]->setPixmap(
                    QPixmap::fromImage(WithTransparentBackground(pictures_.bodies[b])));
            }
        } else if (chosen) {
            CarLook drawn = look;
            drawn.body = b;
            show = ShowDrawing(bodyImages_[b], drawings_.Picture(drawn, bodyImages_[b]->size()));
        }
        bodyImages_[b]->setVisible(show);
        bodyShown = bodyShown || show;
    }
    // The placeholder lies under the body pictures and shows when the chosen one has neither a
    // file nor a drawing; with no body chosen yet there is nothing missing.
    placeholder_->setVisible(!bodyShown && v.body >= 0 && v.body < kBodyCount);

    for (int s = 0; s < 10; ++s) {
        bool show = v.swatch == s + 1;
        if (show && !pictures_.swatches[s].isNull()) {
            if (swatches_[s]->pixmap().isNull()) {
                swatches_[s]->setPixmap(QPixmap::fromImage(pictures_.swatches[s]));
            }
        } else if (show) {
            QImage& drawing = swatchDrawings_[s];
            if (drawing.isNull()) {
                drawing = pictures::RenderSwatch(PaintOf(s + 1), MetallicPaint(s + 1),
                                                 swatches_[s]->size());
            }
            show = ShowDrawing(swatches_[s], drawing);
        }
        swatches_[s]->setVisible(show);
    }

    const int shade = ShadeIndex(v.shade);
    if (v.shadeBody >= 0 && v.shadeBody < kBodyCount && shade >= 0 &&
        pictures_.shades[v.shadeBody][shade].isNull()) {
        // Another body-and-shade drawing: the label that shows the drawing now takes the new
        // one's place and name, so that only what differs is repainted, not one whole label
        // hidden and another shown.
        QLabel*& chosen = backgrounds_[v.shadeBody][shade];
        for (int b = 0; b < kBodyCount; ++b) {
            for (int s = 0; s < 4; ++s) {
                QLabel*& shown = backgrounds_[b][s];
                if (shown == chosen || shown->isHidden() || !pictures_.shades[b][s].isNull())
                    continue;
                const QString name = shown->objectName();
                shown->setObjectName(chosen->objectName());
                chosen->setObjectName(name);
                std::swap(shown, chosen);
            }
        }
    }
    for (int b = 0; b < kBodyCount; ++b) {
        for (int s = 0; s < 4; ++s) {
            QLabel* background = backgrounds_[b][s];
            const QImage& image = pictures_.shades[b][s];
            bool show = v.shadeBody == b && shade == s;
            if (show && !image.isNull()) {
                if (background->pixmap().isNull()) background->setPixmap(QPixmap::fromImage(image));
            } else if (show) {
                CarLook drawn = look;
                drawn.body = b;
                // Drawn at the size it is shown at, in the screen's pixels: a paint only copies
                // it, and a new look repaints only where it differs from the one before.
                const qreal scale = background->devicePixelRatioF();
                const QImage& drawing = drawings_.Picture(
                    drawn, (QSizeF(kBackgroundSize) * scale).toSize(), pictures::Strength::Faint);
                show = !drawing.isNull();
                if (show) static_cast<DrawingLabel*>(background)->ShowDrawing(drawing, scale);
            }
            if (show && !background->isVisible()) {
                // Behind every label and control of the option panel.
                background->setGeometry(optionsPanel_->contentsRect());
                background->lower();
            }
            background->setVisible(show);
        }
    }
}

// --- Engine calls ----------------------------------------------------------------------------

namespace {

// The step undo or redo would take, in the words of the notice.
QString StepTip(const char* verb, const ActionHistory& history, bool undo) {
    const bool can = undo ? history.CanUndo() : history.CanRedo();
    const char* keys = undo ? " (Ctrl+Z)" : " (Ctrl+Shift+Z, Ctrl+Y)";
    if (!can) return QString::fromUtf8(verb) + QString::fromUtf8(keys);
    return QString::fromUtf8(verb) + QStringLiteral(": ") +
           Q(undo ? history.UndoTitle() : history.RedoTitle()) + QString::fromUtf8(keys);
}

}  // namespace

void MainWindow::RememberFocusedWish() {
    const QWidget* focused = focusWidget();
    for (const OptionDef& def : kOptionTable) {
        if (rows_[Index(def.id)].box == focused) {
            session_.RememberWish(def.id);
            return;
        }
    }
}

void MainWindow::ShowActionResult() {
    for (const OptionDef& def : kOptionTable) {
        OptionRow& row = rows_[Index(def.id)];
        const QString reason = Q(history_.Reason(def.id));
        if (row.box->toolTip() == reason) continue;
        row.box->setToolTip(reason);
        row.caption->setToolTip(reason);
        SetOptionDescription(row, row.price->text());
    }
    const QString notice = Q(history_.Notice());
    // Two lines at most; the whole text stays in the tooltip and for screen readers.
    const QFontMetrics metrics(notice_->font());
    const int room =
        2 * (notice_->width() - 2 * notice_->margin()) - metrics.averageCharWidth() * 6;
    notice_->setText(metrics.elidedText(notice, Qt::ElideRight, room));
    notice_->setToolTip(notice);
    if (notice_->accessibleDescription() != notice) {
        notice_->setAccessibleDescription(notice);
        // Screen readers read the new notice without the focus moving there.
        QAccessibleEvent changed(notice_, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&changed);
    }
    notice_->setVisible(!notice.isEmpty());
    undoButton_->setEnabled(history_.CanUndo());
    redoButton_->setEnabled(history_.CanRedo());
    undoButton_->setToolTip(StepTip("Отменить", history_, true));
    redoButton_->setToolTip(StepTip("Повторить", history_, false));
}

void MainWindow::DecodeCodeField() {
    // Read before the action: remembering the wish of a focused box refreshes the window.
    const std::string typed = codeField_->text().toStdString();
    RememberFocusedWish();
    session_.DecodeCode(typed);
    // What was typed has been decoded: from now on Ctrl+Z there steps back the configuration.
    codeTyped_ = false;
}

// Ctrl+Z, Ctrl+Y and Ctrl+Shift+Z in the code field: the field's own undo and redo while it
// holds text typed since the last decode and has a step to take, the configuration's otherwise.
bool MainWindow::CodeFieldTakesKey(const QKeyEvent* e) const {
    const Qt::KeyboardModifiers mods = e->modifiers() & ~Qt::KeypadModifier;
    const bool undo = e->key() == Qt::Key_Z && mods == Qt::ControlModifier;
    const bool redo =
        (e->key() == Qt::Key_Z && mods == (Qt::ControlModifier | Qt::ShiftModifier)) ||
        (e->key() == Qt::Key_Y && mods == Qt::ControlModifier);
    if (undo) return codeTyped_ && codeField_->isUndoAvailable();
    if (redo) return codeTyped_ && codeField_->isRedoAvailable();
    return true;
}

void MainWindow::RunStartCode() {
    // The window comes back from a message box that the start code itself showed.
    if (activating_ || !config_.StartupPending()) return;
    activating_ = true;
    session_.RunStartCode(startArgs_, files_);
    activating_ = false;
    if (!config_.DocumentPath().empty()) {
        RememberFile(QFile::decodeName(config_.DocumentPath().c_str()));
    }
}

void MainWindow::OrderClick() {
    emit orderRequested();
}

void MainWindow::OpenClick() {
    if (!MayDropChanges()) return;
    const QString path = ui_.ChooseFileToOpen();
    if (path.isEmpty()) return;
    OpenChosenFile(path);
}

void MainWindow::OpenChosenFile(const QString& path) {
    // The dialog opens in this folder next time, whether or not the file can be read.
    ui_.dialogFolder = QFileInfo(path).absolutePath();
    WriteLastFolder(settingsPath_, ui_.dialogFolder);
    RememberFocusedWish();
    const Result opened = session_.OpenFile(PathArgument(path), files_);
    // A file that could not be opened changed nothing and does not join the recent files.
    if (opened.Succeeded()) RememberFile(path);
}

void MainWindow::SaveClick() {
    const std::string& current = config_.DocumentPath();
    ui_.suggestedFile =
        current.empty() ? QString() : QFileInfo(QFile::decodeName(current.c_str())).fileName();
    if (!current.empty())
        ui_.dialogFolder = QFileInfo(QFile::decodeName(current.c_str())).absolutePath();
    const QString path = ui_.ChooseFileToSave();
    if (path.isEmpty()) return;
    ui_.dialogFolder = QFileInfo(path).absolutePath();
    WriteLastFolder(settingsPath_, ui_.dialogFolder);
    const Result saved = session_.SaveToFile(PathArgument(path), files_, true);
    // A save that failed or was declined wrote nothing: the file does not join the recent ones.
    if (saved.Succeeded()) RememberFile(path);
}

void MainWindow::RememberFile(const QString& path) {
    // Only a file that was really read or written: the engine now calls it its document.
    if (config_.DocumentPath() != PathArgument(path) || config_.HasUnsavedChanges()) return;
    WriteRecentFiles(settingsPath_, WithRecentFile(ReadRecentFiles(settingsPath_), path));
}

QStringList MainWindow::RecentFiles() const {
    return ReadRecentFiles(settingsPath_);
}

void MainWindow::FillRecentMenu() {
    recentMenu_->clear();
    const RecentFilesCheck check = CheckRecentFiles(ReadRecentFiles(settingsPath_));
    if (!check.missing.isEmpty()) WriteRecentFiles(settingsPath_, check.present);
    int number = 0;
    for (const QString& path : check.present) {
        ++number;
        const QFileInfo info(path);
        QString text = QStringLiteral("&%1  %2    (%3)")
                           .arg(number)
                           .arg(info.fileName(), QDir::toNativeSeparators(info.absolutePath()));
        QAction* action = recentMenu_->addAction(text);
        action->setData(path);
        connect(action, &QAction::triggered, this, [this, path]() { OpenRecentFile(path); });
    }
    if (check.present.isEmpty()) {
        recentMenu_->addAction(QStringLiteral("Нет недавно открытых файлов"))->setEnabled(false);
    }
    if (!check.missing.isEmpty()) {
        recentMenu_->addSeparator();
        for (const QString& path : check.missing) {
            recentMenu_
                ->addAction(QStringLiteral("Файл «%1» не найден и убран из списка")
                                .arg(QDir::toNativeSeparators(path)))
                ->setEnabled(false);
        }
    }
}

void MainWindow::OpenRecentFile(const QString& path) {
    if (!QFileInfo(path).isFile()) {
        QStringList list = ReadRecentFiles(settingsPath_);
        list.removeAll(path);
        WriteRecentFiles(settingsPath_, list);
        ui_.ShowMessage(QStringLiteral("Файл «%1» не найден. Он убран из списка последних файлов.")
                            .arg(QDir::toNativeSeparators(path))
                            .toStdString());
        return;
    }
    if (!MayDropChanges()) return;
    OpenChosenFile(path);
}

void MainWindow::CheckListClick() {
    emit checkListRequested();
}

void MainWindow::OfferClick() {
    emit offerRequested();
}

void MainWindow::ResetAll() {
    RememberFocusedWish();
    session_.ResetAll();
}

void MainWindow::EquipAll() {
    session_.EquipAll();
}

void MainWindow::UndoClick() {
    session_.Undo();
}

void MainWindow::RedoClick() {
    session_.Redo();
}

void MainWindow::CreditClick() {
    // Without a total the calculator still opens, on the figure that stands for the price.
    const PriceFigures& figures = config_.Figures();
    emit creditRequested(figures.total ? *figures.total : FigureWithoutTotal(figures));
}

void MainWindow::CompareClick() {
    emit comparisonRequested();
}

void MainWindow::OpenVariant(const std::string& code) {
    if (!MayDropChanges()) return;
    // One undoable step, as a code typed into the code field is.
    RememberFocusedWish();
    session_.OpenVariant(code);
}

// --- Events ----------------------------------------------------------------------------------

bool MainWindow::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        const bool handled = QWidget::event(e);
        RunStartCode();
        return handled;
    }
    return QWidget::event(e);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* e) {
    if (e->type() == QEvent::FocusIn || e->type() == QEvent::FocusOut) {
        ShowFocusRow(e->type() == QEvent::FocusIn ? qobject_cast<QWidget*>(watched) : nullptr);
    }
    switch (e->type()) {
        case QEvent::KeyPress: {
            auto* button = qobject_cast<QToolButton*>(watched);
            const int key = static_cast<QKeyEvent*>(e)->key();
            if (button && (key == Qt::Key_Return || key == Qt::Key_Enter) && button->isEnabled()) {
                button->click();
                return true;
            }
            // Down (or Alt+Down) opens a button's menu: the recent files hang on "Открыть...".
            if (button && key == Qt::Key_Down && button->menu() && button->isEnabled()) {
                button->showMenu();
                return true;
            }
            break;
        }
        case QEvent::FocusOut: {
            for (const OptionDef& def : kOptionTable) {
                if (rows_[Index(def.id)].box != watched) continue;
                FocusModel& focus = session_.Focus();
                const FocusTarget box = FocusTarget::OptionBox(def.id);
                // Unless the session has moved the focus itself (a decode ran the exit rule),
                // the wish is remembered before the control taking the focus acts.
                if (focus.Current() == box && !syncing_ &&
                    IsFocusMoveWithinWindow(static_cast<QFocusEvent*>(e))) {
                    session_.RememberWish(def.id);
                }
                if (focus.Current() == box) focus.Follow(FocusTarget::Nothing());
                break;
            }
            break;
        }
        case QEvent::FocusIn: {
            // The session knows which box has the focus, whatever moved it there.
            for (const OptionDef& def : kOptionTable) {
                if (rows_[Index(def.id)].box == watched)
                    session_.Focus().Follow(FocusTarget::OptionBox(def.id));
            }
            if (syncing_ || !IsFocusMoveWithinWindow(static_cast<QFocusEvent*>(e))) break;
            for (int engine = 0; engine < kEngineCount; ++engine) {
                if (engines_[engine] != watched) continue;
                if (static_cast<QFocusEvent*>(e)->reason() == Qt::MouseFocusReason) {
                    // The click enters the button inside its own undoable step.
                    engineEnteredByMouse_ = engine;
                } else {
                    session_.EnterEngine(engine);
                }
                break;
            }
            break;
        }
        case QEvent::ShortcutOverride:
            // Not taken by the field: the window's undo and redo keys act.
            if (watched == codeField_ && !CodeFieldTakesKey(static_cast<QKeyEvent*>(e)))
                return true;
            break;
        case QEvent::MouseButtonDblClick:
            if (watched == codeField_) {
                DecodeCodeField();
                return true;
            }
            break;
        case QEvent::MouseButtonRelease: {
            if (engineEnteredByMouse_ >= 0 && watched == engines_[engineEnteredByMouse_]) {
                // Released beside the button: no click, but the press entered it.
                QTimer::singleShot(0, this, [this]() {
                    if (engineEnteredByMouse_ < 0) return;
                    const int engine = std::exchange(engineEnteredByMouse_, -1);
                    session_.EnterEngine(engine);
                });
            }
            auto* me = static_cast<QMouseEvent*>(e);
            auto* label = qobject_cast<QLabel*>(watched);
            if (!label || me->button() != Qt::LeftButton || !label->rect().contains(me->pos())) {
                break;
            }
            for (const OptionDef& def : kOptionTable) {
                if (rows_[Index(def.id)].price == label) {
                    emit optionInfoRequested(def.id, false);
                    return true;
                }
            }
            break;
        }
        case QEvent::Resize:
            if (watched == commandStrip_) ArrangeStrip();
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, e);
}

void MainWindow::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (!settingsRead_) ReadSettings();
}

void MainWindow::closeEvent(QCloseEvent* e) {
    if (!MayDropChanges()) {
        e->ignore();
        return;
    }
    QWidget::closeEvent(e);
    if (e->isAccepted()) WriteSettings();
}

bool MainWindow::MayDropChanges() {
    if (!config_.HasUnsavedChanges()) return true;
    switch (ui_.AskToSaveChanges()) {
        case WindowUi::SaveAnswer::Discard:
            return true;
        case WindowUi::SaveAnswer::Cancel:
            return false;
        case WindowUi::SaveAnswer::Save:
            SaveClick();
            // A cancelled dialog, a refused overwrite or a failed write keeps the window open.
            return !config_.HasUnsavedChanges();
    }
    return false;
}

// --- Small windows -------------------------------------------------------------------------

void MainWindow::ArrangeStrip() {
    if (stripButtons_.empty()) return;
    const int width = commandStrip_->width();
    const int priceWidth = priceLabel_->fontMetrics().horizontalAdvance(priceLabel_->text()) + 4;
    // As laid out, while the price fits; then the price keeps to the right edge, up to the last
    // button.
    const int lastButtonEnd = stripPlaces_.back().right() + 1;
    int priceX = width >= kDesignSize.width() ? pricePlace_.x()
                                              : std::min(pricePlace_.x(), width - 6 - priceWidth);
    int height = kStripHeight;
    if (priceX >= lastButtonEnd + 6) {
        for (std::size_t i = 0; i < stripButtons_.size(); ++i)
            stripButtons_[i]->setGeometry(stripPlaces_[i]);
    } else {
        // Too narrow for one row: the code field and the price stay in the first, and the
        // buttons follow in as many rows as they need below, so that nothing is out of sight.
        const int codeEnd = codeField_->geometry().right() + 1;
        priceX = std::max(codeEnd + 8, width - 6 - priceWidth);
        int x = 8;
        int y = kStripHeight - 2;
        for (std::size_t i = 0; i < stripButtons_.size(); ++i) {
            const QSize size = stripPlaces_[i].size();
            if (x > 8 && x + size.width() > width - 6) {
                x = 8;
                y += size.height() + 4;
            }
            stripButtons_[i]->setGeometry(QRect(QPoint(x, y), size));
            x += size.width() + 4;
            height = y + size.height() + 7;
        }
    }
    priceLabel_->setGeometry(priceX, pricePlace_.y(),
                             std::max(priceWidth, pricePlace_.right() + 1 - priceX),
                             pricePlace_.height());
    commandStrip_->setFixedHeight(height);
}

// --- Keyboard --------------------------------------------------------------------------------

void MainWindow::ArrangeTabOrder() {
    // The top strip and the main choices left to right as they stand (a button added to the
    // strip finds its place by itself), each group's buttons column by column; then the option
    // rows in the panel's order, each information button before its check box.
    std::vector<QWidget*> chain;
    for (QWidget* panel : {commandStrip_, choicesPanel_}) {
        // The panel's layout places its controls now, as at its laid-out width, before the
        // window is first shown.
        if (panel->layout()) {
            panel->resize(panel->sizeHint());
            panel->layout()->activate();
        }
        std::vector<QWidget*> stops;
        for (QWidget* w : panel->findChildren<QWidget*>()) {
            if ((w->focusPolicy() & Qt::TabFocus) && !w->isHidden() && !w->isWindow()) {
                stops.push_back(w);
            }
        }
        const auto key = [panel](QWidget* w) {
            QWidget* top = w;
            while (top->parentWidget() != panel) top = top->parentWidget();
            return std::make_tuple(top->x(), top->y(), w->x(), w->y());
        };
        std::stable_sort(stops.begin(), stops.end(),
                         [&](QWidget* a, QWidget* b) { return key(a) < key(b); });
        chain.insert(chain.end(), stops.begin(), stops.end());
    }
    for (const OptionDef& def : kOptionTable) {
        const OptionRow& row = rows_[Index(def.id)];
        if (def.hidden) continue;
        if (row.info) chain.push_back(row.info);
        chain.push_back(row.box);
        if (row.extra) chain.push_back(row.extra);
        if (def.id == Opt::MetallicPaint) chain.push_back(colours_);
    }
    for (std::size_t i = 1; i < chain.size(); ++i) setTabOrder(chain[i - 1], chain[i]);
}

void MainWindow::AddShortcuts() {
    const auto add = [this](const QKeySequence& keys, auto handler) {
        auto* shortcut = new QShortcut(keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        connect(shortcut, &QShortcut::activated, this, handler);
    };
    add(QKeySequence(Qt::CTRL | Qt::Key_O), [this]() { OpenClick(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_S), [this]() { SaveClick(); });
    add(QKeySequence(Qt::CTRL | Qt::Key_P), [this]() { emit orderPrintRequested(); });
    add(QKeySequence(Qt::Key_F1), [this]() { ShowFocusedExplanation(); });
}

const MainWindow::OptionRow* MainWindow::RowOf(const QWidget* w) const {
    if (!w) return nullptr;
    for (const OptionRow& row : rows_) {
        if (w == row.box || w == row.info || w == row.price || w == row.extra) return &row;
    }
    return nullptr;
}

void MainWindow::ShowFocusedExplanation() {
    const QWidget* focused = focusWidget();
    if (!focused) return;
    if (const OptionRow* row = RowOf(focused)) {
        const auto option = static_cast<Opt>(row - rows_.data());
        if (focused == row->extra) {
            emit wheelPicturesRequested();
        } else {
            emit optionInfoRequested(option, true);
        }
        return;
    }
    const auto in = [focused](const auto& buttons) {
        return std::find(buttons.begin(), buttons.end(), focused) != buttons.end();
    };
    if (in(trims_)) emit trimComparisonRequested();
    if (in(bodies_)) emit bodyComparisonRequested();
    if (in(engines_)) emit engineComparisonRequested();
}

void MainWindow::ShowFocusRow(const QWidget* focused) {
    const OptionRow* row = RowOf(focused);
    if (!row || focused == row->price) {
        if (focusRow_) focusRow_->hide();
        return;
    }
    if (!focusRow_) {
        focusRow_ = new QFrame(optionsPanel_);
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

// --- Remembered state ------------------------------------------------------------------------

void MainWindow::ReadSettings() {
    settingsRead_ = true;
    const std::optional<bool> abs = RestoreMainWindowSettings(settingsPath_, *this);
    // Restoring the tick runs its rule, as a click would.
    if (abs) session_.SetChecked(Opt::AntiLockBrakes, *abs);
}

void MainWindow::WriteSettings() {
    if (!settingsRead_ || settingsWritten_) return;
    settingsWritten_ = true;
    StoreMainWindowSettings(settingsPath_, *this, config_.Checked(Opt::AntiLockBrakes));
}

}  // namespace kalvora::app
