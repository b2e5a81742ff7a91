// The text import on any bytes: every point it hands on is counted, reading stops at a line it
// names, and the finite points read, exported as text, read back to the same text.
#include "store/graph_text_export.h"
#include "store/text_import.h"

#include <QBuffer>
#include <cmath>
#include <cstdint>
#include <vector>

using namespace lmv;
using namespace lmv::store;

namespace {

struct TImported {
    std::vector<model::TPoint> points;
    TTextImportResult result;
};

TImported Import(const QByteArray& bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    TImported imported;
    imported.result = ReadImportText(
        buffer, [&](const model::TPoint& point) { imported.points.push_back(point); });
    return imported;
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const TImported imported =
        Import(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (imported.result.Points != qint64(imported.points.size()))
        __builtin_trap();
    if (imported.result.FailedLine != 0 && imported.result.FailedLine != imported.result.Points + 1)
        __builtin_trap();
    std::vector<model::TPoint> finite;
    for (const model::TPoint& point : imported.points)
        if (std::isfinite(point.X) && std::isfinite(point.Y))
            finite.push_back(point);
    const QByteArray text = GraphTextBytes(finite, TGraphTextForm::TabBlank);
    const TImported again = Import(text);
    if (again.result.FailedLine != 0 || again.points.size() != finite.size() ||
        GraphTextBytes(again.points, TGraphTextForm::TabBlank) != text)
        __builtin_trap();
    return 0;
}
