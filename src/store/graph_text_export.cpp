#include "store/graph_text_export.h"

#include "common/number_text.h"
#include "store/atomic_save.h"

namespace lmv::store {

namespace {

void AppendNumber(QByteArray& bytes, double value)
{
    common::AppendGeneralText(bytes, value, common::GraphTextMinExponent);
}

// A short line, for a first guess of the size that spares most of the regrowing.
constexpr qsizetype TypicalLineSize = 24;

}

QByteArray GraphTextBytes(std::span<const model::TPoint> points, TGraphTextForm form)
{
    const bool commas = form == TGraphTextForm::Commas;
    const char* between = commas ? "," : "\t ";
    const char* lineEnd = commas ? ",\r\n" : "\r\n";
    QByteArray bytes;
    bytes.reserve(qsizetype(points.size()) * TypicalLineSize);
    for (const model::TPoint& point : points) {
        AppendNumber(bytes, point.X);
        bytes += between;
        AppendNumber(bytes, point.Y);
        bytes += lineEnd;
    }
    return bytes;
}

void WriteGraphText(const QString& path, std::span<const model::TPoint> points, TGraphTextForm form)
{
    SaveFileAtomically(path, GraphTextBytes(points, form));
}

}
