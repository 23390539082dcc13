// "Сохранить..." and "Открыть...": the configuration on screen to a .klv file and back.
#include <string>

#include "model/Configuration.h"
#include "pricing/ConfigFile.h"
#include "pricing/FileErrors.h"

namespace kalvora {

namespace {

constexpr std::string_view kOverwriteQuestion = "Такой файл уже существует. Перезаписать?";
constexpr std::string_view kSaved = "Ваша конфигурация сохранена в файл:\r\r";

}  // namespace

Result Configuration::SaveToFile(const std::string& path, FileAccess& files) {
    if (files.Exists(path)) {
        // Saving over a link replaces the file it leads to: the question names that file.
        std::string question(kOverwriteQuestion);
        const std::string target = files.LinkTarget(path);
        if (!target.empty()) question += "\r\rЭто ссылка: будет перезаписан файл «" + target + "».";
        if (!ui_.Confirm(question)) return {Outcome::Declined, {}};
    }
    // The configuration on screen; the field may hold a code the decoder rejected. Before the
    // first price the configuration has no code yet, and the file gets the field as the program
    // left it, empty, never a code the decoder rejected.
    const std::string& code = configurationCode_;
    std::string reason;
    if (!files.WriteFile(path, CodeFileContent(code), &reason)) {
        const std::string message = SaveFailedMessage(path, reason);
        ui_.ShowMessage(message);
        return {Outcome::Rejected, message};
    }
    documentPath_ = path;
    savedEdit1_ = code;
    Changed();
    ui_.ShowMessage(std::string(kSaved) + path);
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
    SetEdit1(line);
    Result result = DecodeCodeField();
    documentPath_ = path;
    savedEdit1_ = edit1_;
    Changed();
    return result;
}

}  // namespace kalvora
