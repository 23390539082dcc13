#include "desktop/app/MainWindow.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QScrollArea>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>
#include <utility>

#include "KalvoraVersion.h"
#include "desktop/app/LabelTextCache.h"
#include "desktop/app/MainWindowParts.h"
#include "desktop/app/MainWindowSettings.h"
#include "desktop/app/PriceBreakdownTip.h"
#include "desktop/app/RecentFiles.h"
#include "desktop/settings/WindowSettings.h"
#include "engine/model/PriceTexts.h"

// The window's construction, how it shows the engine's state, the verbs of its buttons and the
// events it watches. Each part it shows has a file of its own: MainWindowCommandBar.cpp,
// MainWindowChoices.cpp, MainWindowOptions.cpp, MainWindowNotice.cpp, MainWindowPictures.cpp,
// MainWindowFiles.cpp and MainWindowKeyboard.cpp.

namespace kalvora::app {

using namespace window_parts;

namespace {

const QColor kPanelColour(221, 221, 221);

// Window texts that are the window's own (the rules' texts come from the engine).
const char kCaption[] = "Kalvora  (V " KALVORA_VERSION " от 08.02.2007)";
// With a file: the program's name and the file's name.
const char kFileCaption[] = "Kalvora — ";

// A label that shows a figure is read with what the figure is: "Базовая цена: 12420 $".
QString FigureName(const QString& what, const QString& figure) {
    bool number = false;
    figure.toLongLong(&number);
    return what + QStringLiteral(": ") + figure + (number ? QStringLiteral(" $") : QString());
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
    BuildPanelArea();

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

void MainWindow::BuildPanelArea() {
    // The top strip (the code field, the commands and the price) stays at the top, outside
    // the scrolling; the panels below scroll in a window smaller than they were laid out for
    // (a small screen, a large scale factor), and in a larger one they grow with it.
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->setSpacing(0);
    commandStrip_ = MakePanel(this, "Panel3");
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
}

MainWindow::~MainWindow() {
    session_.SetObserver(nullptr);
    WriteSettings();
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

void MainWindow::UpdateTitle() {
    const std::string& file = config_.DocumentPath();
    QString title = file.empty() ? QString::fromUtf8(kCaption)
                                 : QString::fromUtf8(kFileCaption) +
                                       QFileInfo(QFile::decodeName(file.c_str())).fileName();
    if (config_.HasUnsavedChanges()) title += QLatin1Char('*');
    if (windowTitle() != title) setWindowTitle(title);
}

// --- Engine calls ----------------------------------------------------------------------------

void MainWindow::RememberFocusedWish() {
    const QWidget* focused = focusWidget();
    for (const OptionDef& def : kOptionTable) {
        if (rows_[Index(def.id)].box == focused) {
            session_.RememberWish(def.id);
            return;
        }
    }
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
        case QEvent::KeyPress:
            if (PressFocusedButton(watched, static_cast<QKeyEvent*>(e))) return true;
            break;
        case QEvent::FocusOut:
            OptionBoxLosesFocus(watched, static_cast<QFocusEvent*>(e));
            break;
        case QEvent::FocusIn:
            ControlTakesFocus(watched, static_cast<QFocusEvent*>(e));
            break;
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
        case QEvent::MouseButtonRelease:
            if (MouseReleased(watched, static_cast<QMouseEvent*>(e))) return true;
            break;
        default:
            break;
    }
    return QWidget::eventFilter(watched, e);
}

bool MainWindow::MouseReleased(QObject* watched, const QMouseEvent* me) {
    if (engineEnteredByMouse_ >= 0 && watched == engines_[engineEnteredByMouse_]) {
        // Released beside the button: no click, but the press entered it.
        QTimer::singleShot(0, this, [this]() {
            if (engineEnteredByMouse_ < 0) return;
            const int engine = std::exchange(engineEnteredByMouse_, -1);
            session_.EnterEngine(engine);
        });
    }
    auto* label = qobject_cast<QLabel*>(watched);
    if (!label || me->button() != Qt::LeftButton || !label->rect().contains(me->pos())) {
        return false;
    }
    for (const OptionDef& def : kOptionTable) {
        if (rows_[Index(def.id)].price == label) {
            emit optionInfoRequested(def.id, false);
            return true;
        }
    }
    return false;
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
