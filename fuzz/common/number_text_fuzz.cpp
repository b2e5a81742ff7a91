// Hostile texts and bit patterns for the number texts and the codec: nothing may crash, a
// parsed number must survive being written and read again, and bytes survive the codec.
#include "common/cp1251_codec.h"
#include "common/number_text.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

using namespace lmv::common;

void Require(bool condition)
{
    if (!condition)
        std::abort();
}

void CheckCodec(QByteArrayView bytes) { Require(ToCp1251(FromCp1251(bytes)) == bytes); }

void CheckParsers(const QString& text)
{
    if (const auto number = ParseFloat(text))
        Require(ParseFloat(GeneralText(*number, GraphTextMinExponent, 17)) == number);
    if (const auto integer = ParseInteger(text))
        Require(ParseInteger(QString::number(*integer)) == integer);
}

// Eight bytes as a double, then the digit and decimal counts.
void CheckFormatting(const uint8_t* data, size_t size)
{
    if (size < 10)
        return;
    double value;
    std::memcpy(&value, data, sizeof value);
    const int digits = 1 + data[8] % 20;
    const int decimals = data[9] % 40;
    const QString fixed = FixedText(value, digits, decimals);
    const QString general = GeneralText(value, -(data[9] % 10), digits);
    // "INF" and "NAN" are no numbers; near the largest double a text of few digits ("2E308")
    // may no longer fit a double either.
    for (const QString& text : {fixed, general}) {
        const bool parsed = ParseFloat(text).has_value();
        Require(std::isfinite(value) || !parsed);
        Require(!std::isfinite(value) || std::fabs(value) >= 1e307 || parsed);
    }
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    CheckCodec(bytes);
    CheckParsers(QString::fromLatin1(bytes));
    CheckFormatting(data, size);
    return 0;
}
