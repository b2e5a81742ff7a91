#include "common/current_error.h"

#include "common/errors.h"

#include <exception>
#include <new>

namespace lmv::common {

QString CurrentErrorMessage()
{
    try {
        throw;
    } catch (const Error& error) {
        return error.message();
    } catch (const std::bad_alloc&) {
        return QStringLiteral("Недостаточно памяти для выполнения действия.");
    } catch (const std::exception& error) {
        return QStringLiteral("Непредвиденная ошибка программы (%1).")
            .arg(QString::fromLocal8Bit(error.what()));
    } catch (...) {
        return QStringLiteral("Непредвиденная ошибка программы.");
    }
}

}
