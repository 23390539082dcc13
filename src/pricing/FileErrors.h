// File errors as the user reads them: a Russian sentence naming the file, then the reason in
// Russian. The system's own (English) descriptions never reach the user.
#pragma once

#include <string>
#include <string_view>

namespace kalvora {

// Reasons that are not a system error code.
inline constexpr std::string_view kReasonNotRegular = "это не обычный файл";
inline constexpr std::string_view kReasonLineTooLong = "первая строка слишком длинная";
inline constexpr std::string_view kReasonDanglingLink = "ссылка указывает на несуществующий файл";
inline constexpr std::string_view kReasonLinkLoop = "ссылки образуют петлю";
// A file that was read but holds no configuration.
inline constexpr std::string_view kReasonEmptyFile = "файл пуст";
inline constexpr std::string_view kReasonNoCode = "в нём нет допустимого кода конфигурации";

// The reason for a system error code (errno), in Russian, starting with a small letter.
std::string SystemReason(int code);

// "Не удалось открыть файл «PATH»: REASON"
std::string OpenFailedMessage(std::string_view path, std::string_view reason);
// "Не удалось сохранить файл «PATH»: REASON"
std::string SaveFailedMessage(std::string_view path, std::string_view reason);

}  // namespace kalvora
