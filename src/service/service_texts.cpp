#include "service/service_texts.h"

#include "common/number_text.h"

namespace lmv::service {

QString FixedText3(double value) { return common::FixedText(value, 8, 3); }

QString FixedText4(double value) { return common::FixedText(value, 8, 4); }

QString ServiceGeneralText(double value)
{
    return common::GeneralText(value, common::ServiceTextMinExponent, 15);
}

}
