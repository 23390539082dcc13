// The main configurator window: every control of the configuration, bound to the engine.
//
// A user's click becomes one engine call; after it the window shows the engine's state again.
// The window never decides a rule, a price or a text.
#pragma once

#include <QWidget>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/app/PictureFiles.h"
#include "desktop/app/SessionSignals.h"
#include "desktop/app/WindowUi.h"
#include "desktop/pictures/CarPicture.h"
#include "engine/code/DiskFileAccess.h"
#include "engine/session/Session.h"

class QCheckBox;
class QComboBox;
class QFocusEvent;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QKeyEvent;
class QMenu;
class QMouseEvent;
class QScrollArea;
class QLabel;
class QLayout;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolButton;

namespace kalvora::app {

class FlowLayout;

class MainWindow : public QWidget {
    Q_OBJECT

  public:
    // Builds every control with its initial value and loads the picture files from the
    // working directory (FormCreate).
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    Configuration& Config() { return config_; }
    const ActionHistory& History() const { return history_; }
    // The user's verbs on the configuration this window shows.
    Session& Verbs() { return session_; }
    WindowUi& Ui() { return ui_; }
    const PictureFiles& Pictures() const { return pictures_; }
    FileAccess& Files() { return files_; }
    // What the session tells after each verb, as signals for the windows that follow it.
    SessionSignals& Signals() { return signals_; }
    // The price label of an option's row.
    QLabel* OptionPriceLabel(Opt option) const;
    // The command-line arguments of the start code (the program's name excluded). They are
    // taken from the application by default.
    void SetStartArguments(std::vector<std::string> args) { startArgs_ = std::move(args); }
    // Where the remembered state lives; SettingsFilePath() by default.
    void SetSettingsPath(const QString& path) { settingsPath_ = path; }
    const QString& SettingsPath() const { return settingsPath_; }

    // Shows every control as the engine holds it.
    void Sync();

    // Command bar.
    void OrderClick();      // "Заказ..."
    void OpenClick();       // "Открыть..."
    void SaveClick();       // "Сохранить..."
    void CheckListClick();  // "Check List..."
    void OfferClick();      // "Предложение..."
    void ResetAll();        // "Сбросить всё"
    void EquipAll();        // "Оснастить"
    void CreditClick();     // "Кредит..."
    void CompareClick();    // "Сравнить..."
    // "Открыть вариант" of the comparison window: the configuration of `code` becomes the
    // current one in one undoable step, as a code typed into the code field does; unsaved
    // changes are asked about first.
    void OpenVariant(const std::string& code);
    // A file of the Open button's recent-files menu. A file that is gone is dropped from the
    // list with a note instead. Like "Открыть...", it asks first about unsaved changes.
    void OpenRecentFile(const QString& path);
    // F1: the explanation of the option (or comparison of the group) that has the focus.
    void ShowFocusedExplanation();
    // The recent files as the INI holds them, newest first.
    QStringList RecentFiles() const;
    // The code field: decode its text (double-click or Enter).
    void DecodeCodeField();
    // The first activation of the window runs the start code once per run.
    void RunStartCode();
    // Ctrl+Z and Ctrl+Shift+Z / Ctrl+Y, and their buttons in the command bar.
    void UndoClick();
    void RedoClick();

  signals:
    // What the main window's buttons, labels and keys ask the other windows for; they are
    // connected in Windows.cpp.
    void orderRequested();       // "Заказ..."
    void orderPrintRequested();  // Ctrl+P: the order window's "Печать..."
    void checkListRequested();   // "Check List..."
    void offerRequested();       // "Предложение..."
    // "Кредит...", with the configured price.
    void creditRequested(std::int32_t currentPrice);
    // A click on an option's price label (fromInfoButton false) or on the information button
    // left of it (true).
    void optionInfoRequested(kalvora::Opt option, bool fromInfoButton);
    // The second information button of the 15" wheel row, which shows the wheels themselves.
    void wheelPicturesRequested();
    void aboutRequested();
    void trimComparisonRequested();    // "Сравнение комплектаций"
    void bodyComparisonRequested();    // "Сравнение типов кузовов"
    void engineComparisonRequested();  // "Сравнение двигателей"
    void comparisonRequested();        // "Сравнить..."

  protected:
    bool event(QEvent* e) override;
    bool eventFilter(QObject* watched, QEvent* e) override;
    void showEvent(QShowEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

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

    // Brings the window up to date after a change of the configuration (see the definition).
    void SyncSoon();

    // The command strip above the scrolling panels of the main choices and the options.
    void BuildPanelArea();

    // The command bar (MainWindowCommandBar.cpp), each part added to the strip's flow. The
    // buttons' steps return the x where the next part begins at the laid-out width, which
    // leaves the price its room and so its font.
    void BuildCommandBar(QWidget* panel);
    void BuildCodeField(QWidget* panel, FlowLayout* strip);
    int BuildCommandButtons(QWidget* panel, FlowLayout* strip);
    int BuildStepButtons(QWidget* panel, FlowLayout* strip, int x);
    void BuildPriceLabel(QWidget* panel, FlowLayout* strip, int x);

    // The main choices (MainWindowChoices.cpp), each group in its cells of the panel's grid.
    void BuildMainChoices(QWidget* panel);
    void BuildTrimGroup(QWidget* panel, QGridLayout* grid);
    void BuildBodyGroup(QWidget* panel, QGridLayout* grid);
    void BuildBodyPictures(QWidget* panel, QGridLayout* grid);
    void BuildEngineGroup(QWidget* panel, QGridLayout* grid);
    // The comparison buttons under the engines; the notice joins the row after them.
    QHBoxLayout* BuildComparisonRow(QWidget* panel);
    void BuildRailsGroup(QWidget* panel, QGridLayout* grid);
    void BuildAboutLink(QWidget* panel, QGridLayout* grid);
    void BuildBasePrice(QWidget* panel, QGridLayout* grid);
    // The notice of the last action (MainWindowNotice.cpp).
    void BuildNotice(QWidget* panel);

    // The option panel (MainWindowOptions.cpp).
    void BuildOptions(QWidget* panel);
    // One option's controls, laid out as its row.
    QLayout* BuildOptionRow(QWidget* panel, const OptionDef& def);

    // The pictures (MainWindowPictures.cpp).
    void ShowPictures();
    void ShowBodyPicture(const VisiblePictures& v, const CarLook& look);
    void ShowSwatch(const VisiblePictures& v);
    void ShowBackground(const VisiblePictures& v, const CarLook& look);
    // The label that shows a drawn background now takes `chosen`'s place and name.
    void HandOverDrawingLabel(QLabel*& chosen);

    void ApplyHighlight(OptionRow& row, Rgb shadow, Rgb font);
    void SetControlEnabled(QWidget* w, bool enabled);
    void SetOptionDescription(const OptionRow& row, const QString& price);
    void UpdateTitle();
    void ArrangeTabOrder();
    void AddShortcuts();
    const OptionRow* RowOf(const QWidget* w) const;
    void ShowFocusRow(const QWidget* focused);
    // After an open or save: the file joins the recent list and its folder is remembered.
    void RememberFile(const QString& path);
    void FillRecentMenu();
    // "Сохранить изменения?" before unsaved changes are closed or replaced by another
    // configuration; false when they are to stay.
    bool MayDropChanges();
    // Opens a file the user chose, in one undoable step.
    void OpenChosenFile(const QString& path);

    // The notice, the reasons as tooltips and the undo and redo buttons after an action.
    void ShowActionResult();
    // Runs the exit rule of the option box that has the focus, which keeps it.
    void RememberFocusedWish();
    // Whether the code field handles an undo or redo key itself.
    bool CodeFieldTakesKey(const QKeyEvent* e) const;

    // The steps of eventFilter: Enter and Down on a focused button, the focus leaving an option
    // box or entering a control (MainWindowKeyboard.cpp), and a mouse button released over an
    // engine button or an option's price. True when the event has been handled.
    bool PressFocusedButton(QObject* watched, const QKeyEvent* e);
    void OptionBoxLosesFocus(QObject* watched, const QFocusEvent* e);
    void ControlTakesFocus(QObject* watched, const QFocusEvent* e);
    bool MouseReleased(QObject* watched, const QMouseEvent* me);

    void ReadSettings();
    void WriteSettings();

    WindowUi ui_;
    Session session_;
    Configuration& config_;         // session_'s
    const ActionHistory& history_;  // session_'s
    DiskFileAccess files_;
    SessionSignals signals_;
    PictureFiles pictures_;
    // The built-in drawings, where the working directory has no picture file.
    pictures::CarPictureCache drawings_;
    std::array<QImage, 10> swatchDrawings_{};
    std::vector<std::string> startArgs_;
    QString settingsPath_;

    QWidget* choicesPanel_ = nullptr;
    QWidget* optionsPanel_ = nullptr;
    QWidget* commandStrip_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    QFrame* focusRow_ = nullptr;
    QMenu* recentMenu_ = nullptr;
    QLineEdit* codeField_ = nullptr;
    QLabel* priceLabel_ = nullptr;
    QLabel* basePriceLabel_ = nullptr;
    QLabel* unLabel_ = nullptr;
    QLabel* notice_ = nullptr;
    QToolButton* undoButton_ = nullptr;
    QToolButton* redoButton_ = nullptr;
    QComboBox* colours_ = nullptr;
    std::array<OptionRow, kOptionCount> rows_{};
    std::array<QRadioButton*, kTrimCount> trims_{};
    std::array<QRadioButton*, kBodyCount> bodies_{};
    std::array<QRadioButton*, kRailsCount> rails_{};
    std::array<QRadioButton*, kEngineCount> engines_{};
    QLabel* placeholder_ = nullptr;
    std::array<QLabel*, kBodyCount> bodyImages_{};
    std::array<QLabel*, 10> swatches_{};
    std::array<std::array<QLabel*, 4>, kBodyCount> backgrounds_{};

    // The engine button a mouse press gave the focus to: the click that follows enters it as
    // part of its own action; a press that ends without a click enters it on release.
    int engineEnteredByMouse_ = -1;
    // The code field holds text the user typed since the program last wrote or decoded it.
    bool codeTyped_ = false;
    bool syncing_ = false;
    bool syncQueued_ = false;
    bool activating_ = false;
    bool settingsRead_ = false;
    bool settingsWritten_ = false;
};

}  // namespace kalvora::app
