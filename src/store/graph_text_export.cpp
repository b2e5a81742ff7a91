#include "store/graph_text_export.h"

#include "common/number_text.h"
#include "store/atomic_save.h"

namespace lmv::store {

namespace {

QString NumberText(double value)
{
    return common::GeneralText(value, common::GraphTextMinExponent);
}

QString LineOf(const model::TPoint& point, TGraphTextForm form)
{
    if (form == TGraphTextForm::Commas)
        return common::CommasToPoints(NumberText(point.X)) + u',' +
            common::CommasToPoints(NumberText(point.Y)) + u',';
    return NumberText(point.X) + QStringLiteral("\t ") + NumberText(point.Y);
}

}

QByteArray GraphTextBytes(std::span<const model::TPoint> points, TGraphTextForm form)
{
    QByteArray bytes;
    for (const model::TPoint& point : points) {
        // Number texts are plain ASCII.
        bytes += LineOf(point, form).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

void WriteGraphText(const QString& path, std::span<const model::TPoint> points, TGraphTextForm form)
{
    SaveFileAtomically(path, GraphTextBytes(points, form));
}

}
