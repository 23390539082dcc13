// "Сохранить..." and "Открыть...": the configuration on screen to a .klv file and back.
#include <string>

#include "engine/model/Configuration.h"
#include "engine/code/ConfigFile.h"
#include "engine/files/FileErrors.h"

namespace kalvora {

namespace {

constexpr std::string_view kOverwriteQuestion = "Такой файл уже существует. Перезаписать?";
constexpr std::string_view kReadOnlyQuestion =
    "Такой файл уже существует и доступен только для чтения. Перезаписать?";
constexpr std::string_view kSaved = "Ваша конфигурация сохранена в файл:\r\r";

}  // namespace

Result Configuration::SaveToFile(const std::string& path, FileAccess& files,
                                 bool mayAskAboutReadOnly) {
    const auto refuse = [&](std::string_view reason) {
        const std::string message = SaveFailedMessage(path, reason);
        ui_.ShowMessage(message);
        return Result{Outcome::Rejected, message};
    };
    // The target is resolved once: the question names the file that the write replaces, even
    // if a link is changed while the question is open.
    WriteTarget target;
    if (const FileResult resolved = files.Resolve(path, &target); !resolved) {
        return refuse(resolved.reason);
    }
    if (target.readOnly && !mayAskAboutReadOnly) return refuse(kReasonReadOnly);
    if (target.exists) {
        std::string question(target.readOnly ? kReadOnlyQuestion : kOverwriteQuestion);
        if (target.link) {
            question += "\r\rЭто ссылка: будет перезаписан файл «" + ShownPath(target.path) + "».";
        }
        if (!ui_.Confirm(question)) return {Outcome::Declined, {}};
    }
    // The configuration on screen; the field may hold a code the decoder rejected. Before the
    // first price the configuration has no code yet, and the file gets the field as the program
    // left it, empty, never a code the decoder rejected.
    const std::string& code = configurationCode_;
    WriteOptions options;
    options.overwriteReadOnly = target.readOnly;
    if (const FileResult written = files.WriteResolved(target, CodeFileContent(code), options);
        !written) {
        return refuse(written.reason);
    }
    documentPath_ = path;
    savedCodeFieldText_ = code;
    Changed();
    ui_.ShowMessage(std::string(kSaved) + ShownPath(path));
    return {};
}

Result Configuration::OpenFile(const std::string& path, FileAccess& files) {
    std::string line;
    std::string error;
    // The field changes only once the file has been read and closed.
    if (!ReadCodeFile(files, path, &line, &error)) {
        ui_.ShowMessage(error);
        return {Outcome::Rejected, error};
    }
    // A file that holds no valid code changes nothing: the field keeps its text, and the open
    // document and whether it has unsaved changes stay as they were.
    const std::string fieldBefore = codeFieldText_;
    SetCodeFieldText(line);
    Result result = DecodeCodeFieldQuietly();
    if (result.outcome == Outcome::Rejected) {
        SetCodeFieldText(fieldBefore);
        const std::string message =
            OpenFailedMessage(path, line.empty() ? kReasonEmptyFile : kReasonNoCode);
        ui_.ShowMessage(message);
        return {Outcome::Rejected, message};
    }
    documentPath_ = path;
    savedCodeFieldText_ = codeFieldText_;
    Changed();
    return result;
}

}  // namespace kalvora
