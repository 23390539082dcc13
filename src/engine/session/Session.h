// One configuration as a user works on it: the verbs of the main window (choose a trim, tick an
// option, decode a code, open a file, undo, ...), each recorded as one undoable step, with the
// order text that follows every price and the keyboard focus the rules depend on.
//
// Both front ends call these verbs and nothing else that changes the configuration: the
// desktop's main window and script mode. Neither wraps an action for undo. While a verb runs,
// nobody outside hears anything; when the outermost verb returns, the session's one observer is
// told once what it changed (SessionChange), and the order window's text observer is told when
// the text was written again. Nothing a notice starts can run while a rule is running.
#pragma once

#include <string>
#include <vector>

#include "engine/documents/OrderDocument.h"
#include "engine/history/ActionHistory.h"
#include "engine/model/Configuration.h"
#include "engine/model/ConfigurationObserver.h"
#include "engine/model/FocusModel.h"
#include "engine/model/UiPort.h"
#include "engine/code/ConfigFile.h"

namespace kalvora {

// What a verb changed, told once it has returned.
struct SessionChange {
    // Some control's state changed: a tick, a selection, an enabling, a price, a highlight.
    bool changed = false;
    // A price was computed (the total, the code and the captions are new; the order text
    // follows them already).
    bool priced = false;
    // A code was decoded and settled: the keyboard focus is now the code field's. The exit rule
    // of the check box that had it has run inside the verb.
    bool codeDecoded = false;
    // After a user's action, an undo or a redo: what it changed, with its figures. Null after
    // a verb that is no step (the start code, a wish remembered, a save).
    const ActionReport* report = nullptr;
    // The change was made to the configuration directly, outside any verb (a test setting a
    // control): there was no verb to wait for.
    bool direct = false;
};

class SessionObserver {
  public:
    virtual ~SessionObserver() = default;
    virtual void SessionChanged(const SessionChange& change) = 0;
};

class Session : private ConfigurationObserver {
  public:
    // The rules' boxes and questions, and the order's date, go to `ui`.
    explicit Session(UiPort& ui);
    ~Session() override;
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    const Configuration& Config() const { return config_; }
    Configuration& Config() { return config_; }
    const ActionHistory& History() const { return history_; }
    OrderDocument& Order() { return order_; }
    // Which control has the keyboard focus. Script mode moves it as clicks would; the desktop
    // tells it where the toolkit's focus is (FocusModel::Follow), so that a decode runs the
    // exit rule of the box that really had it.
    FocusModel& Focus() { return focus_; }

    // One observer; nullptr for none.
    void SetObserver(SessionObserver* observer) { observer_ = observer; }

    // --- The user's actions: one undoable step each ------------------------------------------

    void ChooseTrim(int trim);
    void ChooseBody(int body);
    void ChooseRails(int rails);
    // A click on an engine button: its entry rule (when the focus came with the click), then
    // its click rule.
    void ClickEngine(int engine);
    // Picking the item that is already selected changes nothing.
    void ChooseColour(int colour);
    void ClickOption(Opt option, bool checked);
    // Decodes `text` as typed into the code field.
    void DecodeCode(const std::string& text);
    // "Открыть вариант" of the comparison window: the code of another variant, as if typed.
    void OpenVariant(const std::string& code);
    void ResetAll();                                              // "Сбросить всё"
    void EquipAll();                                              // "Оснастить"
    Result OpenFile(const std::string& path, FileAccess& files);  // "Открыть..."
    // False when there is no step to take (or a verb is running).
    bool Undo();
    bool Redo();

    // --- Verbs that are no step -------------------------------------------------------------

    // The start code, once per run: undo reaches back to the configuration it made. A code
    // that is rejected is said in a message after the observer has been told, so that the
    // message comes over the window showing the configuration the program started with.
    Result RunStartCode(const std::vector<std::string>& args, FileAccess& files);
    // "Сохранить..."; `askReadOnly` as Configuration::SaveToFile.
    Result SaveToFile(const std::string& path, FileAccess& files, bool askReadOnly);
    // Text typed into the code field without decoding it.
    void TypeCode(const std::string& text);
    // The exit rule of an option's check box (the focus leaves it, or a command is about to
    // take it away): the option's wish is remembered. Belongs to the step before the next one.
    void RememberWish(Opt option);
    // The entry rule of an engine button that the keyboard focus entered.
    void EnterEngine(int engine);
    // The form's hidden buttons: the trim rules, and the price computed on its own.
    void ApplyTrimRules();
    void MarkFiguresDue();
    // A control set from a setting when a window opens (the dealer's ABS default).
    void SetChecked(Opt option, bool checked);

  private:
    class Verb;
    template <typename F>
    void Act(const UserAction& action, F&& call);

    void ConfigurationChanged() override;
    void PriceComputed() override;
    void CodeDecoded() override;
    void Tell(SessionChange change);
    void FollowRestoredPrice();

    Configuration config_;
    ActionHistory history_;
    FocusModel focus_;
    OrderDocument order_;
    SessionObserver* observer_ = nullptr;
    int depth_ = 0;
    SessionChange pending_;
};

}  // namespace kalvora
