#include "service/service_texts.h"

#include "common/number_text.h"

namespace lmv::service {

QString FixedText3(double value) { return common::FixedText(value, 8, 3); }

QString FixedText4(double value) { return common::FixedText(value, 8, 4); }

QString ServiceGeneralText(double value)
{
    return common::GeneralText(value, common::ServiceTextMinExponent, 15);
}

QString GraduationAxisText(double value)
{
    QString text = common::FourDecimalsText(value);
    if (!text.contains(QLatin1Char('.')) || text.contains(QLatin1Char('E')))
        return text;
    while (text.endsWith(QLatin1Char('0')) && text.indexOf(QLatin1Char('.')) < text.size() - 2)
        text.chop(1);
    const qsizetype digitsStart = text.startsWith(QLatin1Char('-')) ? 1 : 0;
    for (qsizetype at = text.indexOf(QLatin1Char('.')) - 3; at > digitsStart; at -= 3)
        text.insert(at, QLatin1Char(','));
    return text;
}

}
