// The text export of 10^6 points in both forms, bytes and file (goal: under 500 ms a file), beside
// the old way measured in the same run: each number built as a string of its own from digits
// rounded at 40 places, each line converted and appended apart. Both must give the same bytes.
#include "common/rounded_decimal.h"
#include "store/graph_text_export.h"

#include <QDir>
#include <QString>
#include <QTemporaryDir>
#include <algorithm>
#include <chrono>
#include <climits>
#include <cmath>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

using namespace lmv;
using Clock = std::chrono::steady_clock;
using common::TRoundedDecimal;
using store::TGraphTextForm;

namespace baseline {

QString NonFiniteText(double value)
{
    const QString text = std::isnan(value) ? QStringLiteral("NAN") : QStringLiteral("INF");
    return std::signbit(value) ? QLatin1Char('-') + text : text;
}

QString ExponentText(const TRoundedDecimal& r)
{
    QString text(QLatin1Char(r.digits.front()));
    if (r.digits.size() > 1)
        text +=
            QLatin1Char('.') + QLatin1String(r.digits.data() + 1, qsizetype(r.digits.size() - 1));
    return text + QLatin1Char('E') + QString::number(r.exponent);
}

QString PlainText(const TRoundedDecimal& r, int decimals)
{
    QString text;
    for (int power = std::max(r.exponent, 0); power >= 0; --power)
        text += QLatin1Char(r.DigitAt(power));
    if (decimals > 0)
        text += QLatin1Char('.');
    for (int power = -1; power >= -decimals; --power)
        text += QLatin1Char(r.DigitAt(power));
    return text;
}

QString NumberText(double value)
{
    if (!std::isfinite(value))
        return NonFiniteText(value);
    const TRoundedDecimal r = common::RoundDecimal(value, 15, INT_MAX);
    if (r.IsZero())
        return QStringLiteral("0");
    const bool exponentForm = r.exponent < -5 || r.exponent >= 15;
    const QString body = exponentForm ? ExponentText(r) : PlainText(r, r.FractionDigits());
    return value < 0 ? QLatin1Char('-') + body : body;
}

QString CommasToPoints(QString text) { return text.replace(QLatin1Char(','), QLatin1Char('.')); }

QString LineOf(const model::TPoint& point, TGraphTextForm form)
{
    if (form == TGraphTextForm::Commas)
        return CommasToPoints(NumberText(point.X)) + u',' + CommasToPoints(NumberText(point.Y)) +
            u',';
    return NumberText(point.X) + QStringLiteral("\t ") + NumberText(point.Y);
}

QByteArray GraphTextBytes(std::span<const model::TPoint> points, TGraphTextForm form)
{
    QByteArray bytes;
    for (const model::TPoint& point : points) {
        bytes += LineOf(point, form).toLatin1();
        bytes += "\r\n";
    }
    return bytes;
}

}

// A run's points: X in tenths of a second, Y a wave with noise, as readings come.
std::vector<model::TPoint> RunPoints(int count)
{
    std::vector<model::TPoint> points;
    points.reserve(std::size_t(count));
    for (int i = 0; i < count; ++i)
        points.push_back({i * 0.1, 500 * std::sin(i / 600.0) + (i % 7) * 0.013});
    return points;
}

double MedianMs(const std::function<void()>& step)
{
    std::vector<double> ms;
    for (int run = 0; run < 3; ++run) {
        const Clock::time_point start = Clock::now();
        step();
        ms.push_back(std::chrono::duration<double, std::milli>(Clock::now() - start).count());
    }
    std::sort(ms.begin(), ms.end());
    return ms[1];
}

void Compare(const std::vector<model::TPoint>& points, TGraphTextForm form, const char* name)
{
    const QByteArray bytes = store::GraphTextBytes(points, form);
    const bool same = bytes == baseline::GraphTextBytes(points, form);
    const double oldBytes = MedianMs([&] { baseline::GraphTextBytes(points, form); });
    const double newBytes = MedianMs([&] { store::GraphTextBytes(points, form); });
    const QTemporaryDir dir;
    const QString path = QDir(dir.path()).filePath(QStringLiteral("export.DAT"));
    const double newFile = MedianMs([&] { store::WriteGraphText(path, points, form); });
    std::printf("%-9s %9.1f MB %14.1f %14.1f %14.1f %10s\n", name, bytes.size() / 1e6, oldBytes,
                newBytes, newFile, same ? "yes" : "NO");
}

}

int main()
{
    const std::vector<model::TPoint> points = RunPoints(1'000'000);
    std::printf("text export of 10^6 points, medians of 3 (goal: the file under 500 ms)\n");
    std::printf("%-9s %12s %14s %14s %14s %10s\n", "form", "size", "old bytes ms", "bytes ms",
                "file ms", "same bytes");
    Compare(points, TGraphTextForm::TabBlank, "tab-blank");
    Compare(points, TGraphTextForm::Commas, "commas");
    return 0;
}
