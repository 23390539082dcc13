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
inline constexpr std::string_view kReasonBadName = "недопустимое имя файла";
inline constexpr std::string_view kReasonTooLarge = "файл слишком большой";
inline constexpr std::string_view kReasonReadOnly = "файл доступен только для чтения";
inline constexpr std::string_view kReasonOwnerNotKept =
    "владелец или права файла не сохранились бы, файл не заменён";
inline constexpr std::string_view kReasonLocked = "файл занят другой программой";

// The reason for a system error code (errno), in Russian, starting with a small letter.
std::string SystemReason(int code);

// A path as the user may read it in a message: a NUL byte shows as "\0" (a NUL would end the
// text early, or reach a terminal raw).
std::string ShownPath(std::string_view path);

// "Не удалось открыть файл «PATH»: REASON"
std::string OpenFailedMessage(std::string_view path, std::string_view reason);
// "Не удалось сохранить файл «PATH»: REASON"
std::string SaveFailedMessage(std::string_view path, std::string_view reason);

}  // namespace kalvora
