#include "mainwindow/view_tools/cursor_readout.h"

#include "common/number_text.h"

#include <algorithm>
#include <cmath>

namespace lmv::mainwindow {

namespace {

// Four decimals, as the readout always wrote them; INF and NAN as elsewhere in the program.
QString FourDecimals(double value)
{
    if (!std::isfinite(value))
        return common::FixedText(value, 1, 0);
    return QString::number(value, 'f', 4);
}

}

int FirstIndexNotBelow(int count, const std::function<double(int)>& xAt, double x)
{
    int low = 0;
    int high = count;
    while (low < high) {
        const int middle = low + (high - low) / 2;
        if (xAt(middle) < x)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

int CursorPointIndex(int firstNotBelow, int count)
{
    if (firstNotBelow <= 1 || firstNotBelow >= count)
        return -1;
    return firstNotBelow - 1;
}

namespace {

// How far an edge pair [low, high] must move to lie inside [lower, upper]: the low edge wins
// when it cannot.
double ShiftInside(double low, double high, double lower, double upper)
{
    if (low < lower)
        return lower - low;
    if (high > upper)
        return std::max(upper - high, lower - low);
    return 0;
}

}

TCursorLabelPlace KeepCursorLabelInside(const QRectF& label, QPointF arrowEnd, const QRectF& plot)
{
    const QRectF inside =
        label.translated(ShiftInside(label.left(), label.right(), plot.left(), plot.right()),
                         ShiftInside(label.top(), label.bottom(), plot.top(), plot.bottom()));
    return {inside,
            QPointF(std::clamp(arrowEnd.x(), inside.left(), inside.right()),
                    std::clamp(arrowEnd.y(), inside.top(), inside.bottom()))};
}

QString CursorMarkText(double x, double y)
{
    return QStringLiteral("X=%1 Y=%2").arg(FourDecimals(x), FourDecimals(y));
}

QString ReadoutValueText(int seriesIndex, double y)
{
    return QStringLiteral(" y%1=%2").arg(seriesIndex + 1).arg(FourDecimals(y));
}

QString ReadoutStatusText(double x, const QString& values)
{
    return QStringLiteral("x=%1%2").arg(FourDecimals(x), values);
}

}
