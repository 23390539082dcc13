// Script mode: a scenario played line by line against one configuration, as a person clicking
// in the windows would. The commands and views are tables (ScriptVocabulary.cpp); a new command
// is one row there.
#pragma once

#include <cstdint>
#include <istream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "cli/ScriptUi.h"
#include "engine/credit/CreditCalculator.h"
#include "engine/code/ConfigFile.h"
#include "engine/session/Session.h"

namespace kalvora::cli {

// A scenario line that cannot be played: an unknown command or a bad argument. The reason is
// kept on one line: carriage returns, line feeds and NUL bytes of the scenario it quotes are
// written as \r, \n and \0.
class ScriptError : public std::runtime_error {
  public:
    explicit ScriptError(const std::string& why);
};

// The longest scenario line, in bytes; a longer one is a bad line, refused without reading it
// into memory.
inline constexpr std::size_t kMaxScriptLine = 64 * 1024;

// One scenario line, split on single spaces.
struct ScriptLine {
    std::int64_t number = 0;
    std::string text;                // without trailing carriage returns
    std::vector<std::string> words;  // text split on every single space

    static ScriptLine Parse(std::int64_t number, std::string text);
    // Everything after the command word and one space, verbatim ("" when there is none).
    std::string Rest() const;
    // Empty lines and lines starting with '#' are not commands.
    bool IsCommand() const { return !text.empty() && text[0] != '#'; }
};

// A scenario's session: the configuration with its verbs, focus and order text (Session), the
// credit window's calculator, and the recording boxes and clock of script mode.
class ScriptSession {
  public:
    ScriptSession(std::ostream& out, FileAccess& files);
    ScriptSession(const ScriptSession&) = delete;
    ScriptSession& operator=(const ScriptSession&) = delete;

    // Plays one line; throws ScriptError for a line that cannot be played.
    void Run(const ScriptLine& line);

    std::ostream& Out() { return out_; }
    ScriptUi& Ui() { return ui_; }
    Session& Verbs() { return session_; }
    Configuration& Config() { return session_.Config(); }
    FocusModel& Focus() { return session_.Focus(); }
    FileAccess& Files() { return files_; }
    OrderDocument& Order() { return session_.Order(); }
    CreditCalculator& Credit() { return credit_; }
    const ActionHistory& History() const { return session_.History(); }

    // A line that was played but did not do what it says (a click on a disabled control, a
    // file that was not opened): remembered for --strict, which ends the run there.
    void NoteShortfall(std::string why) { shortfall_ = std::move(why); }
    std::string TakeShortfall() { return std::exchange(shortfall_, std::string()); }

  private:
    std::ostream& out_;
    FileAccess& files_;
    ScriptUi ui_;
    Session session_;          // the main and order windows
    CreditCalculator credit_;  // the credit window ("Кредит...")
    std::string shortfall_;
};

struct ScriptOptions {
    // A click or focus that does nothing (a disabled or hidden control), an open or save that
    // failed, or a print before `start` ends the run with status 1, after its output.
    bool strict = false;
};

// Plays a whole scenario from `in`: 0 when it ran to its end, 2 on a line that cannot be
// played (reported on `err` as "error: LINE: WHY"), 1 when the program itself failed or, with
// `strict`, a line did not do what it says.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err, FileAccess& files,
              const ScriptOptions& options = {});

}  // namespace kalvora::cli
