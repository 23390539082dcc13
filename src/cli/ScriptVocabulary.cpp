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
#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "cli/ChangeViews.h"
#include "cli/ScriptSession.h"
#include "cli/StateDump.h"
#include "engine/credit/CreditDump.h"
#include "engine/documents/DocumentViews.h"
#include "engine/model/PriceTexts.h"
#include "engine/files/FileErrors.h"

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
    if (name == "Edit1") *control = {FocusTarget::CodeField(), true, true};
    if (name == "Compl") *control = {FocusTarget::TrimGroup(), true, true};
    if (name == "ComboBox1") *control = {FocusTarget::ColourList(), true, true};
    return name == "Edit1" || name == "Compl" || name == "ComboBox1";
}

ScriptError UnknownControl(const std::string& name) {
    return ScriptError("неизвестный элемент «" + name + "»");
}

// --- Commands ------------------------------------------------------------------------------

std::string FileShortfall(const std::string& path, const char* failed, const std::string& reason);

void Start(ScriptSession& s, const ScriptLine& line) {
    const std::vector<std::string> args(line.words.begin() + 1, line.words.end());
    const Result result = s.Verbs().RunStartCode(args, s.Files());
    if (!result.Succeeded() && !args.empty())
        s.NoteShortfall(FileShortfall(args[0], "не открыт", result.reason));
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
    s.Focus().MoveToClicked(control.target);
    Session& verbs = s.Verbs();
    const int i = control.target.index;
    switch (control.target.kind) {
        case FocusTarget::Kind::Option:
            return verbs.ClickOption(OptAt(i), !s.Config().Checked(OptAt(i)));
        case FocusTarget::Kind::Body:
            return verbs.ChooseBody(i);
        case FocusTarget::Kind::Rails:
            return verbs.ChooseRails(i);
        case FocusTarget::Kind::Engine:
            return verbs.ClickEngine(i);
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
    s.Verbs().ChooseTrim(trim);
}

void Colour(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "colour N");
    const int colour = Number(line.words[1], 0, kColourCount - 1);
    s.Focus().MoveTo(FocusTarget::ColourList());
    s.Verbs().ChooseColour(colour);
}

void Code(ScriptSession& s, const ScriptLine& line) {
    s.Focus().MoveTo(FocusTarget::CodeField());
    s.Verbs().DecodeCode(line.Rest());
}

void Reset(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "reset yes|no");
    s.Ui().SetAnswer(Answer(line.words[1]));
    // The decoded code takes the focus to the code field: the wish of the box that had it
    // belongs to the configuration before the reset, so undoing the reset keeps it.
    s.Focus().RememberWish();
    s.Verbs().ResetAll();
    s.Ui().SetAnswer(std::nullopt);
}

void EquipCommand(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 1, "equip");
    s.Verbs().EquipAll();
}

// Why an open or a save failed, said once: the file module's message names the file already;
// any other reason (a code the decoder refuses) is said of the file.
std::string FileShortfall(const std::string& path, const char* failed, const std::string& reason) {
    if (reason.find("«" + ShownPath(path) + "»") != std::string::npos) return reason;
    return "файл «" + path + "» " + failed + ": " + reason;
}

void Open(ScriptSession& s, const ScriptLine& line) {
    const std::string path = line.Rest();
    if (path.empty()) throw ScriptError("ожидается «open ПУТЬ»");
    // As for a reset: the opened code takes the focus to the code field.
    s.Focus().RememberWish();
    const Result result = s.Verbs().OpenFile(path, s.Files());
    if (!result.Succeeded()) s.NoteShortfall(FileShortfall(path, "не открыт", result.reason));
}

void Save(ScriptSession& s, const ScriptLine& line) {
    // The path may hold blanks: it is everything between the command and the answer.
    const std::string rest = line.Rest();
    const std::size_t blank = rest.rfind(' ');
    if (blank == std::string::npos || blank == 0) throw ScriptError("ожидается «save ПУТЬ yes|no»");
    const bool answer = Answer(rest.substr(blank + 1));
    s.Ui().SetAnswer(answer);
    const Result result = s.Verbs().SaveToFile(rest.substr(0, blank), s.Files(), false);
    s.Ui().SetAnswer(std::nullopt);
    // Keeping an existing file is the scenario's own answer, not a failure.
    if (result.outcome == Outcome::Rejected) {
        s.NoteShortfall(FileShortfall(rest.substr(0, blank), "не сохранён", result.reason));
    }
}

void UndoCommand(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 1, "undo");
    s.Verbs().Undo();
}

void RedoCommand(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 1, "redo");
    s.Verbs().Redo();
}

void Clock(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 3, "clock ДАТА ВРЕМЯ");
    s.Ui().SetClock(line.words[1], line.words[2]);
}

// --- Credit window -------------------------------------------------------------------------

void CreditOpen(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 1, "credit");
    // Without a total the calculator still opens, on the figure that stands for the price.
    const PriceFigures& figures = s.Config().Figures();
    s.Credit().Open(figures.total ? *figures.total : FigureWithoutTotal(figures));
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
    if (field == CreditField::FirstPayment) s.Credit().AcceptFirstPayment();
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

// The one character of a UTF-8 word, or none when the word is not exactly one well-formed
// character.
std::optional<char32_t> SingleCharacter(const std::string& word) {
    const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(word[i]); };
    if (word.empty()) return std::nullopt;
    const unsigned char lead = byte(0);
    std::size_t length = 0;
    char32_t c = 0;
    if (lead < 0x80) {
        length = 1;
        c = lead;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        c = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        c = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        c = lead & 0x07;
    }
    if (length == 0 || word.size() != length) return std::nullopt;
    for (std::size_t i = 1; i < length; ++i) {
        if ((byte(i) & 0xC0) != 0x80) return std::nullopt;
        c = (c << 6) | (byte(i) & 0x3F);
    }
    // Overlong forms, surrogates and code points beyond Unicode are no characters.
    const char32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (c < smallest[length] || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) return std::nullopt;
    return c;
}

struct CharacterRange {
    char32_t first;
    char32_t last;
};

bool InRanges(char32_t c, std::initializer_list<CharacterRange> ranges) {
    for (const CharacterRange& r : ranges) {
        if (c >= r.first && c <= r.last) return true;
    }
    return false;
}

// Digits of the scripts a number may be typed in, with the raised and lowered ones.
bool IsDigit(char32_t c) {
    return InRanges(c, {{U'0', U'9'},
                        {0xB2, 0xB3},
                        {0xB9, 0xB9},
                        {0x660, 0x669},
                        {0x6F0, 0x6F9},
                        {0x966, 0x96F},
                        {0x2070, 0x2070},
                        {0x2074, 0x2079},
                        {0x2080, 0x2089},
                        {0xFF10, 0xFF19}});
}

// Plus and minus in every form a number's sign may take.
bool IsSign(char32_t c) {
    return InRanges(c, {{U'+', U'+'},
                        {U'-', U'-'},
                        {0xB1, 0xB1},
                        {0x207A, 0x207B},
                        {0x208A, 0x208B},
                        {0x2212, 0x2213},
                        {0xFE62, 0xFE63},
                        {0xFF0B, 0xFF0B},
                        {0xFF0D, 0xFF0D}});
}

// Letters of the alphabets a keyboard types: Latin, Greek, Cyrillic, Armenian, Hebrew, Arabic,
// the Indian scripts, CJK, kana and Hangul.
bool IsLetter(char32_t c) {
    return InRanges(
        c,
        {{U'A', U'Z'},     {U'a', U'z'},     {0xAA, 0xAA},     {0xB5, 0xB5},     {0xBA, 0xBA},
         {0xC0, 0xD6},     {0xD8, 0xF6},     {0xF8, 0x2AF},    {0x370, 0x373},   {0x376, 0x377},
         {0x37A, 0x37D},   {0x37F, 0x37F},   {0x386, 0x386},   {0x388, 0x3FF},   {0x400, 0x481},
         {0x48A, 0x52F},   {0x531, 0x556},   {0x561, 0x587},   {0x5D0, 0x5EA},   {0x5F0, 0x5F2},
         {0x620, 0x64A},   {0x66E, 0x66F},   {0x671, 0x6D3},   {0x6D5, 0x6D5},   {0x6FA, 0x6FC},
         {0x904, 0x939},   {0x1E00, 0x1FFF}, {0x3041, 0x3096}, {0x30A1, 0x30FA}, {0x3400, 0x4DBF},
         {0x4E00, 0x9FFF}, {0xAC00, 0xD7A3}, {0xFF21, 0xFF3A}, {0xFF41, 0xFF5A}});
}

// Blanks, control characters and the invisible ones: nothing a reader could see between the
// digits.
bool IsBlank(char32_t c) {
    return InRanges(c, {{0x00, 0x20},
                        {0x7F, 0xA0},
                        {0xAD, 0xAD},
                        {0x1680, 0x1680},
                        {0x2000, 0x200F},
                        {0x2028, 0x202F},
                        {0x205F, 0x2064},
                        {0x3000, 0x3000},
                        {0xFEFF, 0xFEFF}});
}

// The separator is one character that cannot be part of a number otherwise and can be seen:
// not a digit, a sign, a letter (an exponent is written with "e") or a blank. Any other
// character will do, the Arabic "٫" and the raised point "·" among them.
void Decimal(ScriptSession& s, const ScriptLine& line) {
    ExpectWords(line, 2, "decimal C");
    const std::string& word = line.words[1];
    const std::optional<char32_t> c = SingleCharacter(word);
    if (!c) throw ScriptError("разделитель — один символ, а не «" + word + "»");
    if (IsDigit(*c)) throw ScriptError("цифра «" + word + "» не может быть разделителем");
    if (IsSign(*c)) throw ScriptError("знак «" + word + "» не может быть разделителем");
    if (IsLetter(*c)) throw ScriptError("буква «" + word + "» не может быть разделителем");
    if (IsBlank(*c)) {
        throw ScriptError("пробел или невидимый символ не может быть разделителем");
    }
    s.Credit().SetDecimalSeparator(word);
}

// --- Views ---------------------------------------------------------------------------------

void PrintPrice(ScriptSession& s, const ScriptLine&) {
    s.Out() << EscapeLine(PriceLabelText(s.Config().Figures())) << '\n';
}

void PrintCode(ScriptSession& s, const ScriptLine&) {
    s.Out() << EscapeLine(s.Config().CodeFieldText()) << '\n';
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
