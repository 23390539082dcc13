// The main configurator window: the command strip, the main choices and the option panel, each a
// part of its own bound to the session's verbs, and the commands that reach beyond them (files,
// the other windows, the keyboard).
//
// A user's click becomes one verb of the session; after it each part shows the configuration
// again. The window never decides a rule, a price or a text.
#pragma once

#include <QWidget>
#include <cstdint>
#include <string>
#include <vector>

#include "desktop/app/PictureFiles.h"
#include "desktop/app/SessionSignals.h"
#include "desktop/app/WindowUi.h"
#include "desktop/pictures/CarPicture.h"
#include "engine/code/DiskFileAccess.h"
#include "engine/session/Session.h"

class QKeyEvent;
class QLabel;
class QScrollArea;

namespace kalvora::app {

class CommandStrip;
class MainChoices;
class OptionPanel;

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

    // Each part shows the configuration as the session holds it.
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
    // Brings the window up to date after a change of the configuration (see the definition).
    void SyncSoon();
    // The command strip above the scrolling panels of the main choices and the options.
    void BuildPanelArea();
    // What the parts ask of the window and of the windows that follow it.
    void ConnectParts();
    void ShowPictures();
    void UpdateTitle();
    // The tab order, the shortcuts and Enter on a focused button (MainWindowKeyboard.cpp).
    void ArrangeTabOrder();
    void AddShortcuts();
    bool PressFocusedButton(QObject* watched, const QKeyEvent* e);
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
    std::vector<std::string> startArgs_;
    QString settingsPath_;

    CommandStrip* strip_ = nullptr;
    QScrollArea* scroll_ = nullptr;
    MainChoices* choices_ = nullptr;
    OptionPanel* options_ = nullptr;

    bool syncing_ = false;
    bool syncQueued_ = false;
    bool activating_ = false;
    bool settingsRead_ = false;
    bool settingsWritten_ = false;
};

}  // namespace kalvora::app
