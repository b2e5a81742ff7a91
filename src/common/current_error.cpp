#include "common/current_error.h"

#include "common/errors.h"

#include <exception>

namespace lmv::common {

QString CurrentErrorMessage()
{
    try {
        throw;
    } catch (const Error& error) {
        return error.message();
    } catch (const std::exception& error) {
        return QString::fromLocal8Bit(error.what());
    } catch (...) {
        return QStringLiteral("Unknown error");
    }
}

}
