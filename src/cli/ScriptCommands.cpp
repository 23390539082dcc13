// The commands of script mode, as tables: command name -> handler, view name -> printer, and
// the controls that `click` and `focus` know by name. A new command, view or box of another
// window is one row in kCommands, kViews or kWindowControls.
//
// Behaviour a scenario can rely on beyond the commands themselves:
// - `open PATH` and `save PATH yes|no` take the rest of the line as the path (blanks allowed);
//   `code` takes the rest of the line verbatim, `code` alone is an empty field.
// - A click on a disabled control, or `focus` on one, does nothing. The hidden dealer extras
//   cannot be named; `Edit1`, `Compl` and `ComboBox1` only with `focus`.
// - `colour N` with the item already selected moves the focus and changes nothing else.
// - A decoded code (start, code, reset, open) leaves the focus in the code field; a rejected
//   one leaves it where it was. A check box that a rule disables keeps the focus until it moves.
// - Printed texts write a carriage return as \r and a line feed as \n, like messages.
// - `credit-set` on a field the program computes, and `credit-key` outside the converter,
//   are bad lines. `decimal C` changes how numbers are read and written from now on; texts
//   already in the credit window stay as they are.
#include <string>
#include <string_view>
#include <vector>

#include "cli/ChangeViews.h"
#include "cli/ScriptSession.h"
#include "cli/StateDump.h"
#include "credit/CreditDump.h"
#include "documents/DocumentCommands.h"

namespace kalvora::cli {

namespace {

using Handler = void (*)(ScriptSession&, const ScriptLine&);

struct CommandRow {
    std::string_view name;
    Handler handler;
};

// --- Arguments --------------------------------------------------------------------------------

void ExpectWords(const ScriptLine& line, std::size_t count, std::string_view usage) {
    if (line.words.size() != count) {
        throw ScriptError("ожидается «" + std::string(usage) + "»");
    }
}

// A small decimal number from `low` to `high`, digits only.
int Number(const std::string& word, int low, int high) {
    bool digits = !word.empty() && word.size() <= 3;
    for (char c : word) digits = digits && c >= '0' && c <= '9';
    const int value = digits ? std::stoi(word) : -1;
    if (value < low || value > high) {
        throw ScriptError("«" + word + "» не число от " + std::to_string(low) + " до " +
                          std::to_string(high));
    }
    return value;
}

bool Answer(const std::string& word) {
    if (word == "yes") return true;
    if (word == "no") return false;
    throw ScriptError("ответ должен быть yes или no, а не «" + word + "»");
}

// --- Controls of the main window ----------------------------------------------------------

// A control named in a scenario: where the focus goes, and whether a person can reach it now.
struct Control {
    FocusTarget target;
    bool enabled = true;
    // Only `focus` may name it (the code field, the trim group and the colour list are used
    // through `code`, `trim` and `colour`).
    bool focusOnly = false;
};

// Controls of other windows: a click there moves no focus in the main window.
struct WindowControlRow {
    std::string_view name;
    Handler click;
};

void ClickOrderBox(ScriptSession& s, const ScriptLine& line) {
    s.Order().ClickBox(line.words[1]);
}

const std::vector<WindowControlRow> kWindowControls = {
    {"SlovoBox", ClickOrderBox},
    {"KodBox", ClickOrderBox},
    {"CBox", ClickOrderBox},
    {"OtstupBox", ClickOrderBox},
};

const WindowControlRow* WindowControl(std::string_view name) {
    for (const WindowControlRow& row : kWindowControls) {
        if (row.name == name) return &row;
    }
    return nullptr;
}

bool FindMainControl(const Configuration& config, std::string_view name, Control* control) {
    Opt option;
    if (OptByName(name, &option)) {
        // The hidden dealer extras have no check box on screen.
        if (Def(option).hidden) throw ScriptError("«" + std::string(name) + "» скрыт");
        *control = {FocusTarget::OptionBox(option), config.Enabled(option), false};
        return true;
    }
    for (int b = 0; b < kBodyCount; ++b) {
        if (kBodies[b].name != name) continue;
        *control = {FocusTarget::BodyButton(b), config.BodyEnabled(b), false};
        return true;
    }
    for (int r = 0; r < kRailsCount; ++r) {
        if (kRails[r].name != name) continue;
        *control = {FocusTarget::RailsButton(r), config.RailsEnabled(r), false};
        return true;
    }
    for (int e = 0; e < kEngineCount; ++e) {
        if (kEngines[e].name != name) continue;
        *control = {FocusTarget::EngineButton(e), config.EngineEnabled(e), false};
        return true;
    }
    if (name == "Edit1") *control = {FocusTarget::Edit1(), true, true};
    if (name == "Compl") *control = {FocusTarget::TrimGroup(), true, true};
    if (name == "ComboBox1") *control = {FocusTarget::ColourList(), true, true};
    return name == "Edit1" || name == "Compl" || name == "ComboBox1";
}

ScriptError UnknownControl(const std::string& name) {
    return ScriptError("неизвестный элемент «" + name + "»");
}

// --- Commands ------------------------------------------------------------------------------

void Start(ScriptSession& s, const ScriptLine& line) {
    const std::vector<std::string> args(line.words.begin() + 1, line.words.end());
    const bool pending = s.Config().StartupPending();
    s.Config().RunStartCode(args, s.Files());
    // Undo reaches back to the configuration the start code made, not before it.
    if (pending && !s.Config().StartupPending()) s.History().Restart();
}

void Click(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "click ИМЯ");
    const std::string& name = line.words[1];
    if (const WindowControlRow* row = WindowControl(name)) return row->click(s, line);
    Control control;
    if (!FindMainControl(s.Config(), name, &control) || control.focusOnly) {
        throw UnknownControl(name);
    }
    // A disabled control ignores the mouse.
    if (!control.enabled)
        return s.NoteShortfall("«" + name + "» недоступен: щелчок ничего не сделал");
    s.Focus().MoveTo(control.target);
    Configuration& c = s.Config();
    const int i = control.target.index;
    switch (control.target.kind) {
        case FocusTarget::Kind::Option: {
            const ActionScope action(s.History(), {ActionKind::Click, i});
            return c.SetChecked(OptAt(i), !c.Checked(OptAt(i)));
        }
        case FocusTarget::Kind::Body: {
            const ActionScope action(s.History(), {ActionKind::Body, i});
            return c.SelectBody(i);
        }
        case FocusTarget::Kind::Rails: {
            const ActionScope action(s.History(), {ActionKind::Rails, i});
            return c.SelectRails(i);
        }
        case FocusTarget::Kind::Engine: {
            const ActionScope action(s.History(), {ActionKind::Engine, i});
            return c.SelectEngine(i);
        }
        default:
            return;
    }
}

void Focus(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "focus ИМЯ");
    const std::string& name = line.words[1];
    // The other windows keep their own focus.
    if (WindowControl(name)) return;
    Control control;
    if (!FindMainControl(s.Config(), name, &control)) throw UnknownControl(name);
    // A disabled control cannot take the focus.
    if (!control.enabled) return s.NoteShortfall("«" + name + "» недоступен: фокус не перешёл");
    s.Focus().MoveTo(control.target);
}

void Trim(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "trim N");
    const int trim = Number(line.words[1], 0, kTrimCount - 1);
    s.Focus().MoveTo(FocusTarget::TrimGroup());
    const ActionScope action(s.History(), {ActionKind::Trim, trim});
    s.Config().SelectTrim(trim);
}

void Colour(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "colour N");
    const int colour = Number(line.words[1], 0, kColourCount - 1);
    s.Focus().MoveTo(FocusTarget::ColourList());
    Configuration& c = s.Config();
    // Picking the item that is already selected changes nothing.
    if (c.Colour() == colour) return;
    const ActionScope action(s.History(), {ActionKind::Colour, colour});
    c.SetColourIndex(colour);
    c.OnColourChosen();
}

void Code(ScriptSession& s, const ScriptLine& line) {
    s.Focus().MoveTo(FocusTarget::Edit1());
    const ActionScope action(s.History(), {ActionKind::Code, 0});
    s.Config().SetEdit1(line.Rest());
    s.Config().DecodeCodeField();
}

void Reset(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "reset yes|no");
    s.Ui().SetAnswer(Answer(line.words[1]));
    const ActionScope action(s.History(), {ActionKind::Reset, 0});
    s.Config().ResetAll();
    s.Ui().SetAnswer(std::nullopt);
}

void EquipCommand(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 1, "equip");
    const ActionScope action(s.History(), {ActionKind::Equip, 0});
    s.Config().EquipAll();
}

void Open(ScriptSession& s, const ScriptLine& line) {
    const std::string path = line.Rest();
    if (path.empty()) throw ScriptError("ожидается «open ПУТЬ»");
    const ActionScope action(s.History(), {ActionKind::Open, 0});
    const Result result = s.Config().OpenFile(path, s.Files());
    if (!result.Succeeded()) s.NoteShortfall("файл «" + path + "» не открыт: " + result.reason);
}

void Save(ScriptSession& s, const ScriptLine& line) {
    // The path may hold blanks: it is everything between the command and the answer.
    const std::string rest = line.Rest();
    const std::size_t blank = rest.rfind(' ');
    if (blank == std::string::npos || blank == 0) throw ScriptError("ожидается «save ПУТЬ yes|no»");
    const bool answer = Answer(rest.substr(blank + 1));
    s.Ui().SetAnswer(answer);
    const Result result = s.Config().SaveToFile(rest.substr(0, blank), s.Files());
    s.Ui().SetAnswer(std::nullopt);
    // Keeping an existing file is the scenario's own answer, not a failure.
    if (result.outcome == Outcome::Rejected) {
        s.NoteShortfall("файл «" + rest.substr(0, blank) + "» не сохранён: " + result.reason);
    }
}

void UndoCommand(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 1, "undo");
    s.History().Undo();
}

void RedoCommand(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 1, "redo");
    s.History().Redo();
}

void Clock(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 3, "clock ДАТА ВРЕМЯ");
    s.Ui().SetClock(line.words[1], line.words[2]);
}

// --- Credit window -------------------------------------------------------------------------

void CreditOpen(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 1, "credit");
    s.Credit().Open(s.Config().CurrentPrice());
}

// FIELD and the text after it: everything after "FIELD " (empty when nothing follows).
CreditField FieldAndText(const ScriptLine& line, std::string_view usage, std::string* text) {
    if (line.words.size() < 2) throw ScriptError("ожидается «" + std::string(usage) + "»");
    const std::optional<CreditField> field = CreditFieldByName(line.words[1]);
    if (!field) throw ScriptError("неизвестное поле «" + line.words[1] + "»");
    const std::string rest = line.Rest();
    const std::size_t blank = rest.find(' ');
    *text = blank == std::string::npos ? std::string() : rest.substr(blank + 1);
    return *field;
}

void CreditSet(ScriptSession& s, const ScriptLine& line) {
    std::string text;
    const CreditField field = FieldAndText(line, "credit-set ПОЛЕ ТЕКСТ", &text);
    // The program's own figures cannot be typed over.
    if (!s.Credit().Type(field, text)) {
        throw ScriptError("поле «" + line.words[1] + "» заполняет программа");
    }
    if (field == CreditField::Edit5) s.Credit().Edit5Exit();
}

void CreditClick(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "credit-click ФЛАЖОК");
    const std::optional<CreditBox> box = CreditBoxByName(line.words[1]);
    if (!box) throw ScriptError("неизвестный флажок «" + line.words[1] + "»");
    s.Credit().Click(*box);
}

void CreditKey(ScriptSession& s, const ScriptLine& line) {
    std::string text;
    const CreditField field = FieldAndText(line, "credit-key ПОЛЕ ТЕКСТ", &text);
    if (!IsConverterField(field)) {
        throw ScriptError("«" + line.words[1] + "» не поле пересчёта валют (Nd, Nr, Ne)");
    }
    s.Credit().Type(field, text);
    s.Credit().KeyUp(field);
}

// Letters of the alphabets a Russian keyboard types (Latin-1 and Latin Extended, Cyrillic).
bool IsLetter(char32_t c) {
    return (c >= U'a' && c <= U'z') || (c >= U'A' && c <= U'Z') ||
           (c >= 0xC0 && c <= 0x24F && c != 0xD7 && c != 0xF7) || (c >= 0x400 && c <= 0x52F);
}

// The separator is one character that cannot be part of a number otherwise: not a digit, a
// sign or a letter (an exponent is written with "e"), and one byte wide like every number text.
void Decimal(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "decimal C");
    const std::string& word = line.words[1];
    std::size_t characters = 0;
    char32_t c = 0;
    for (unsigned char byte : word) {
        if ((byte & 0xC0) != 0x80) {
            ++characters;
            c = byte < 0x80    ? byte
                : byte >= 0xF0 ? byte & 0x07
                : byte >= 0xE0 ? byte & 0x0F
                               : byte & 0x1F;
        } else {
            c = (c << 6) | (byte & 0x3F);
        }
    }
    if (characters != 1) throw ScriptError("разделитель — один символ, а не «" + word + "»");
    if (c >= U'0' && c <= U'9')
        throw ScriptError("цифра «" + word + "» не может быть разделителем");
    if (c == U'+' || c == U'-') throw ScriptError("знак «" + word + "» не может быть разделителем");
    if (IsLetter(c)) throw ScriptError("буква «" + word + "» не может быть разделителем");
    if (c > 0x7E || c <= 0x20) {
        throw ScriptError("разделитель «" + word +
                          "» не подходит: нужен знак препинания, например «,» или «.»");
    }
    s.Credit().SetDecimalSeparator(word[0]);
}

// --- Views ---------------------------------------------------------------------------------

void PrintPrice(ScriptSession& s, const ScriptLine&) {
    s.Out() << EscapeLine(s.Config().PriceLabel()) << '\n';
}

void PrintCode(ScriptSession& s, const ScriptLine&) {
    s.Out() << EscapeLine(s.Config().Edit1()) << '\n';
}

void PrintState(ScriptSession& s, const ScriptLine&) {
    WriteStateDump(s.Config(), s.Out());
}

void PrintOrder(ScriptSession& s, const ScriptLine&) {
    PrintOrderView(s.Order(), s.Out());
}

void PrintCheckList(ScriptSession& s, const ScriptLine&) {
    PrintCheckListView(s.Config(), s.Ui(), s.Out());
}

void PrintCredit(ScriptSession& s, const ScriptLine&) {
    s.Out() << CreditDump(s.Credit());
}

void PrintChanges(ScriptSession& s, const ScriptLine&) {
    WriteActionReport(s.History().LastReport(), s.Out());
}

void PrintNotice(ScriptSession& s, const ScriptLine&) {
    s.Out() << EscapeLine(s.History().Notice()) << '\n';
}

// clang-format off
constexpr CommandRow kViews[] = {
    {"price", PrintPrice},
    {"code", PrintCode},
    {"state", PrintState},
    {"order", PrintOrder},
    {"checklist", PrintCheckList},
    {"credit", PrintCredit},
    {"changes", PrintChanges},
    {"notice", PrintNotice},
};
// clang-format on

// `print why OPTION`: the reason of one option, "-" when it is freely choosable.
void PrintWhy(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 3, "print why ОПЦИЯ");
    Opt option;
    if (!OptByName(line.words[2], &option))
        throw ScriptError("неизвестная опция «" + line.words[2] + "»");
    const std::string reason = s.History().Reason(option);
    s.Out() << (reason.empty() ? std::string("-") : EscapeLine(reason)) << '\n';
}

void Print(ScriptSession& s, const ScriptLine& line) {
    // Before `start` the window shows what it was designed with, not a configuration.
    if (s.Config().StartupPending()) {
        s.NoteShortfall("print до start: программа ещё не запущена, видны значения из дизайнера");
    }
    if (line.words.size() >= 2 && line.words[1] == "why") return PrintWhy(s, line);
    ExpectWords(line, 2, "print ВИД");
    for (const CommandRow& view : kViews) {
        if (view.name == line.words[1]) return view.handler(s, line);
    }
    throw ScriptError("неизвестный вид «" + line.words[1] + "»");
}

// clang-format off
constexpr CommandRow kCommands[] = {
    {"start", Start},
    {"click", Click},
    {"trim", Trim},
    {"colour", Colour},
    {"code", Code},
    {"focus", Focus},
    {"reset", Reset},
    {"equip", EquipCommand},
    {"open", Open},
    {"save", Save},
    {"credit", CreditOpen},
    {"credit-set", CreditSet},
    {"credit-click", CreditClick},
    {"credit-key", CreditKey},
    {"decimal", Decimal},
    {"clock", Clock},
    {"undo", UndoCommand},
    {"redo", RedoCommand},
    {"print", Print},
};
// clang-format on

}  // namespace

void ScriptSession::Run(const ScriptLine& line) {
    if (!line.IsCommand()) return;
    const std::string& name = line.words.front();
    if (name.empty()) throw ScriptError("строка начинается с пробела");
    for (const CommandRow& command : kCommands) {
        if (command.name == name) return command.handler(*this, line);
    }
    throw ScriptError("неизвестная команда «" + name + "»");
}

}  // namespace kalvora::cli
