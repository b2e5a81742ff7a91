#pragma once
// The two-column text import: one point a line, X before the line's first TAB or blank, Y after
// it (any run of blanks allowed before Y), numbers with '.' as the separator. A line ends at
// CR LF, LF or a lone CR.
//
// Reading stops at the first line that is no point (an empty line, a single number, a third
// column, a TAB after Y, another decimal separator, a line longer than MaxImportLineLength):
// the points before it have been handed on, and the result names the line. A file that cannot be
// opened or read throws FileError; an error of the point sink passes through.
#include "model/recording_model.h"

#include <QByteArrayView>
#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace lmv::store {

// No two numbers need more; a longer line is not kept whole in memory.
constexpr qsizetype MaxImportLineLength = 4096;

struct TTextImportResult {
    qint64 Points = 0;
    // The 1-based number of the line that stopped the reading; 0 when every line was a point.
    qint64 FailedLine = 0;
};

using TImportPointSink = std::function<void(const model::TPoint&)>;

// The separator is looked for in every character but the last.
std::optional<model::TPoint> ParseImportLine(QByteArrayView line);

TTextImportResult ReadImportText(QIODevice& in, const TImportPointSink& addPoint);

TTextImportResult ReadImportFile(const QString& path, const TImportPointSink& addPoint);

// What the operator is told of a file whose reading stopped at a line: the file's name, the
// line and the points kept.
QString ImportStopText(const QString& path, const TTextImportResult& result);

}
