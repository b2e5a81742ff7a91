#include "common/system_error_text.h"

#include <cerrno>
#include <cstring>

namespace lmv::common {

QString SystemErrorText(int errorNumber)
{
    switch (errorNumber) {
    case ENOSPC:
        return QStringLiteral("Диск заполнен");
    case EDQUOT:
        return QStringLiteral("Превышена дисковая квота");
    case EFBIG:
        return QStringLiteral("Файл слишком велик");
    case EACCES:
    case EPERM:
        return QStringLiteral("Доступ запрещён");
    case EROFS:
        return QStringLiteral("Диск доступен только для чтения");
    case EIO:
        return QStringLiteral("Ошибка ввода-вывода");
    case ENOENT:
        return QStringLiteral("Нет такого файла или папки");
    case ENOTDIR:
        return QStringLiteral("Это не папка");
    case EISDIR:
        return QStringLiteral("Это папка");
    case EEXIST:
        return QStringLiteral("Файл уже существует");
    case ENAMETOOLONG:
        return QStringLiteral("Слишком длинное имя файла");
    case ELOOP:
        return QStringLiteral("Слишком много символических ссылок");
    case EMFILE:
    case ENFILE:
        return QStringLiteral("Открыто слишком много файлов");
    case ENOMEM:
        return QStringLiteral("Недостаточно памяти");
    case EBUSY:
    case ETXTBSY:
        return QStringLiteral("Файл или устройство занято");
    case ENODEV:
    case ENXIO:
        return QStringLiteral("Устройство недоступно");
    case EXDEV:
        return QStringLiteral("Файл нельзя перенести на другой диск");
    case EINVAL:
        return QStringLiteral("Недопустимый аргумент");
    default:
        break;
    }
    const char* text = std::strerror(errorNumber);
    return QStringLiteral("%1 (ошибка %2)")
        .arg(text ? QString::fromLocal8Bit(text) : QStringLiteral("Системная ошибка"))
        .arg(errorNumber);
}

}
