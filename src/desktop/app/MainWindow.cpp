#include "desktop/app/MainWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

#include "KalvoraVersion.h"
#include "desktop/app/ActionNotice.h"
#include "desktop/app/CommandStrip.h"
#include "desktop/app/LabelTextCache.h"
#include "desktop/app/MainChoices.h"
#include "desktop/app/MainWindowParts.h"
#include "desktop/app/MainWindowSettings.h"
#include "desktop/app/OptionPanel.h"
#include "desktop/app/RecentFiles.h"
#include "desktop/settings/WindowSettings.h"
#include "engine/model/CarLook.h"
#include "engine/model/PriceTexts.h"

// The window's construction, how it brings its parts up to date, the commands of its buttons and
// the events it watches. The parts are classes of their own (CommandStrip, MainChoices with its
// ActionNotice, OptionPanel); the file commands are in MainWindowFiles.cpp, the keyboard's in
// MainWindowKeyboard.cpp.

namespace kalvora::app {

using namespace window_parts;

namespace {

// Window texts that are the window's own (the rules' texts come from the engine).
const char kCaption[] = "Kalvora  (V " KALVORA_VERSION " от 08.02.2007)";
// With a file: the program's name and the file's name.
const char kFileCaption[] = "Kalvora — ";

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
    setFont(FittingFont(11, 9, false, OptionPanel::LeftCaptionSpaces()));
    resize(1023, 708);

    const QStringList args = QCoreApplication::arguments();
    for (int i = 1; i < args.size(); ++i) startArgs_.push_back(PathArgument(args[i]));
    BuildPanelArea();
    ConnectParts();
    // The labels over the faint background are painted again with each new paint colour.
    (new LabelTextCache(this))->Watch(options_);

    // FormCreate: the picture files of the working directory.
    pictures_ = LoadPictureFiles(QDir::currentPath());
    ShowPictures();

    ui_.dialogFolder = ReadLastFolder(settingsPath_);
    connect(&signals_, &SessionSignals::changedDirectly, this, &MainWindow::SyncSoon);
    connect(&signals_, &SessionSignals::codeDecoded, this,
            [this]() { strip_->CodeField()->setFocus(Qt::OtherFocusReason); });
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
    strip_ = new CommandStrip(session_, this);
    outer->addWidget(strip_);
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
    choices_ = new MainChoices(session_, content);
    options_ = new OptionPanel(session_, content);
    layout->addWidget(choices_);
    layout->addWidget(options_, 1);
}

void MainWindow::ConnectParts() {
    connect(strip_, &CommandStrip::orderClicked, this, &MainWindow::OrderClick);
    connect(strip_, &CommandStrip::openClicked, this, &MainWindow::OpenClick);
    connect(strip_, &CommandStrip::saveClicked, this, &MainWindow::SaveClick);
    connect(strip_, &CommandStrip::checkListClicked, this, &MainWindow::CheckListClick);
    connect(strip_, &CommandStrip::resetClicked, this, &MainWindow::ResetAll);
    connect(strip_, &CommandStrip::equipClicked, this, &MainWindow::EquipAll);
    connect(strip_, &CommandStrip::creditClicked, this, &MainWindow::CreditClick);
    connect(strip_, &CommandStrip::codeEntered, this, &MainWindow::DecodeCodeField);
    connect(strip_->RecentMenu(), &QMenu::aboutToShow, this, &MainWindow::FillRecentMenu);

    connect(choices_, &MainChoices::trimComparisonRequested, this,
            &MainWindow::trimComparisonRequested);
    connect(choices_, &MainChoices::bodyComparisonRequested, this,
            &MainWindow::bodyComparisonRequested);
    connect(choices_, &MainChoices::engineComparisonRequested, this,
            &MainWindow::engineComparisonRequested);
    connect(choices_, &MainChoices::comparisonRequested, this, &MainWindow::CompareClick);
    connect(choices_, &MainChoices::offerRequested, this, &MainWindow::OfferClick);
    connect(choices_, &MainChoices::aboutRequested, this, &MainWindow::aboutRequested);

    connect(options_, &OptionPanel::optionInfoRequested, this, &MainWindow::optionInfoRequested);
    connect(options_, &OptionPanel::wheelPicturesRequested, this,
            &MainWindow::wheelPicturesRequested);
}

MainWindow::~MainWindow() {
    session_.SetObserver(nullptr);
    WriteSettings();
    // The parts hold the session by reference and hear their controls' focus; the session goes
    // before them, so the focus changes of the closing window must no longer reach them.
    for (QWidget* part : {static_cast<QWidget*>(strip_), static_cast<QWidget*>(choices_),
                          static_cast<QWidget*>(options_)}) {
        for (QObject* control : part->findChildren<QObject*>()) control->removeEventFilter(part);
    }
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

void MainWindow::Sync() {
    if (syncing_) return;
    syncing_ = true;
    options_->ShowConfiguration(config_);
    choices_->ShowConfiguration(config_);
    strip_->ShowConfiguration(config_);
    ShowPictures();
    UpdateTitle();
    syncing_ = false;
}

void MainWindow::ShowPictures() {
    // Which pictures show is the rules' choice; a picture file of the working directory is shown
    // as it is, otherwise the car is drawn as configured (paint, rails, wheels).
    const VisiblePictures& v = config_.Pictures();
    const CarLook look = LookOf(config_);
    choices_->ShowBodyPicture(v, look, pictures_, drawings_);
    options_->ShowPictures(v, look, pictures_, drawings_);
}

void MainWindow::ShowActionResult() {
    options_->ShowReasons(history_);
    choices_->Notice().ShowNotice(history_);
    strip_->ShowSteps(history_);
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
    options_->RememberWishOf(focusWidget());
}

void MainWindow::DecodeCodeField() {
    // Read before the action: remembering the wish of a focused box refreshes the window.
    const std::string typed = strip_->CodeField()->text().toStdString();
    RememberFocusedWish();
    session_.DecodeCode(typed);
    strip_->ForgetTyping();
}

QLabel* MainWindow::OptionPriceLabel(Opt option) const {
    return options_->PriceLabel(option);
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
    if (e->type() == QEvent::KeyPress && PressFocusedButton(watched, static_cast<QKeyEvent*>(e)))
        return true;
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
