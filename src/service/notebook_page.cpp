#include "service/notebook_page.h"

#include "common/cp1251_codec.h"
#include "link/photometer_units.h"
#include "service/service_texts.h"

namespace lmv::service {

namespace {

constexpr int CutWidth = 6;

QString TextField(const link::TRxFrame& frame, int offset, int width)
{
    const char* start = reinterpret_cast<const char*>(frame.bytes.data() + offset);
    return common::FromCp1251(QByteArrayView(start, qstrnlen(start, uint(width))));
}

}

bool IsEmptyNotebookPage(const link::TRxFrame& frame)
{
    return frame.bytes[3] == EmptyNotebookPage;
}

TNotebookFields DecodeNotebookPage(const link::TRxFrame& frame)
{
    const auto& b = frame.bytes;
    TNotebookFields fields;
    fields.unit = link::PhotometerUnitText(b[12]);
    fields.result = ServiceGeneralText(link::ReadBigEndianFloat(b.data(), 4));
    fields.density = ServiceGeneralText(link::ReadBigEndianFloat(b.data(), 8));
    fields.calibration = QString::number(b[13] + 1);
    fields.wavelength =
        QString::number(link::ReadLittleEndianWord(b.data(), 14)) + QStringLiteral(" нм");
    fields.firstText = TextField(frame, 16, 16);
    fields.secondText = TextField(frame, 32, 64);
    return fields;
}

QString CutNumberText(const QString& text)
{
    if (text.size() <= CutWidth)
        return text;
    const qsizetype exponentAt = text.indexOf(QLatin1Char('E'));
    const QString exponent = exponentAt < 0 ? QString() : text.mid(exponentAt);
    QString mantissa = exponentAt < 0 ? text : text.left(exponentAt);
    const qsizetype pointAt = mantissa.indexOf(QLatin1Char('.'));
    if (pointAt >= 0) {
        mantissa.truncate(std::max(pointAt, qsizetype(CutWidth)));
        if (mantissa.endsWith(QLatin1Char('.')))
            mantissa.chop(1);
    }
    return mantissa + exponent;
}

QString NotebookLine(int page, const TNotebookFields& fields)
{
    return QStringLiteral("%1. C=").arg(page, 3) + CutNumberText(fields.result) + fields.unit +
        QStringLiteral(" D=") + CutNumberText(fields.density) + QStringLiteral(" L=") +
        fields.wavelength + QLatin1Char(' ') + fields.firstText + QStringLiteral(" Град N") +
        fields.calibration + QLatin1Char(' ') + fields.secondText;
}

}
