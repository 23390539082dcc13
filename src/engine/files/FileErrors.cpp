#include "engine/files/FileErrors.h"

#include <cerrno>

namespace kalvora {

std::string SystemReason(int code) {
    switch (code) {
        case ENOENT:
            return "нет такого файла или каталога";
        case EACCES:
            return "отказано в доступе";
        case EPERM:
            return "операция не позволена";
        case EISDIR:
            return "это каталог";
        case ENOTDIR:
            return "часть пути не является каталогом";
        case ENOSPC:
            return "на устройстве не осталось места";
        case EDQUOT:
            return "превышена дисковая квота";
        case EFBIG:
            return "файл больше допустимого размера";
        case EROFS:
            return "файловая система доступна только для чтения";
        case EIO:
            return "ошибка ввода-вывода";
        case EBADF:
            // A standard stream the shell closed, or opened the other way round.
            return "поток закрыт или не открыт для этого";
        case ENAMETOOLONG:
            return "слишком длинное имя файла";
        case ELOOP:
            return std::string(kReasonLinkLoop);
        case EMFILE:
        case ENFILE:
            return "слишком много открытых файлов";
        case ENOMEM:
            return "недостаточно памяти";
        case EBUSY:
            return "устройство или ресурс заняты";
        case ETXTBSY:
            return "файл занят";
        case EEXIST:
            return "файл уже существует";
        case EINVAL:
            return "недопустимый аргумент";
        case EXDEV:
            return "файл и каталог на разных устройствах";
        case EAGAIN:
            return "ресурс временно недоступен";
        case ENXIO:
        case ENODEV:
            return "нет такого устройства";
        case ESTALE:
            return "устаревший дескриптор сетевого файла";
        default:
            return "системная ошибка " + std::to_string(code);
    }
}

std::string ShownPath(std::string_view path) {
    std::string out;
    out.reserve(path.size());
    for (char c : path) {
        if (c == '\0') {
            out += "\\0";
        } else {
            out += c;
        }
    }
    return out;
}

std::string OpenFailedMessage(std::string_view path, std::string_view reason) {
    return "Не удалось открыть файл «" + ShownPath(path) + "»: " + std::string(reason);
}

std::string SaveFailedMessage(std::string_view path, std::string_view reason) {
    return "Не удалось сохранить файл «" + ShownPath(path) + "»: " + std::string(reason);
}

}  // namespace kalvora
