// The operator's sentence for whatever was thrown: our own errors as they are, memory running out
// and any other exception in Russian.
#include "common/current_error.h"
#include "common/errors.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>

namespace lmv::common {
namespace {

QString MessageOf(const std::function<void()>& raise)
{
    try {
        raise();
    } catch (...) {
        return CurrentErrorMessage();
    }
    return {};
}

TEST(CurrentErrorMessage, EachKindOfExceptionGivesItsSentence)
{
    struct Case {
        const char* name;
        std::function<void()> raise;
        QString message;
    };
    const Case cases[] = {
        {"our error", [] { throw Error(QStringLiteral("Файл не найден")); }, "Файл не найден"},
        {"our error's kind", [] { throw RangeError(); }, "Range check error"},
        {"memory", [] { throw std::bad_alloc(); }, "Недостаточно памяти для выполнения действия."},
        {"array length", [] { throw std::bad_array_new_length(); },
         "Недостаточно памяти для выполнения действия."},
        {"library error", [] { throw std::runtime_error("disk full"); },
         "Непредвиденная ошибка программы (disk full)."},
        {"anything else", [] { throw 42; }, "Непредвиденная ошибка программы."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(MessageOf(c.raise), c.message) << c.name;
}

}
}
