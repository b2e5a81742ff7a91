#pragma once
// Which series the curve tools act on, by the index of the active page (hidden pages counted).
#include <QString>
#include <QStringList>
#include <optional>

namespace lmv::mainwindow {

// The series the filter and the derivative change, in order; none off pages 0 to 4. On page 1
// the external instrument's curve follows, whether or not it is on the chart.
QStringList TransformedSeriesOfPage(int page);

// The series whose curve the volume search hands to the primary solver, on pages 0 to 4 and 7;
// on page 1 the external curve then goes to the external solver.
std::optional<QString> SearchedSeriesOfPage(int page);
inline const QString ExternalCurveSeries = QStringLiteral("Series15");
bool SearchesExternalCurve(const QString& searchedSeries);

}
