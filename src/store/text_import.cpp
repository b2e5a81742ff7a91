#include "store/text_import.h"

#include "common/cp1251_codec.h"
#include "common/number_text.h"
#include "store/store_errors.h"

#include <QFile>
#include <QFileInfo>
#include <vector>

namespace lmv::store {

namespace {

constexpr qint64 ChunkSize = 64 * 1024;

qsizetype SeparatorIndex(QByteArrayView line)
{
    for (qsizetype i = 0; i + 1 < line.size(); ++i)
        if (line[i] == '\t' || line[i] == ' ')
            return i;
    return -1;
}

// Collects the current line and hands each finished one to the parser and the sink.
class TLineReader {
public:
    TLineReader(TTextImportResult& result, const TImportPointSink& addPoint)
        : result_(result), addPoint_(addPoint)
    {
    }

    // False once a line failed: nothing more is to be read.
    bool Feed(QByteArrayView bytes)
    {
        for (const char c : bytes) {
            const bool lfAfterCr = afterCr_ && c == '\n';
            afterCr_ = c == '\r';
            if (lfAfterCr)
                continue;
            if (c == '\r' || c == '\n') {
                if (!EndLine())
                    return false;
            } else if (line_.size() < MaxImportLineLength) {
                line_ += c;
            } else {
                tooLong_ = true;
            }
        }
        return true;
    }

    // The last line needs no line end.
    void Finish()
    {
        if (!line_.isEmpty() || tooLong_)
            EndLine();
    }

private:
    bool EndLine()
    {
        ++lineNumber_;
        const std::optional<model::TPoint> point = tooLong_ ? std::nullopt : ParseImportLine(line_);
        line_.clear();
        tooLong_ = false;
        if (!point) {
            result_.FailedLine = lineNumber_;
            return false;
        }
        addPoint_(*point);
        ++result_.Points;
        return true;
    }

    TTextImportResult& result_;
    const TImportPointSink& addPoint_;
    QByteArray line_;
    qint64 lineNumber_ = 0;
    bool tooLong_ = false;
    bool afterCr_ = false;
};

[[noreturn]] void ReadFailed(const QString& path, const QString& reason)
{
    throw FileError(QStringLiteral("Не удалось прочитать файл \"%1\": %2").arg(path, reason));
}

}

std::optional<model::TPoint> ParseImportLine(QByteArrayView line)
{
    const qsizetype separator = SeparatorIndex(line);
    if (separator < 0)
        return std::nullopt;
    const std::optional<double> x = common::ParseFloat(common::FromCp1251(line.first(separator)));
    const std::optional<double> y =
        common::ParseFloat(common::FromCp1251(line.sliced(separator + 1)));
    if (!x || !y)
        return std::nullopt;
    return model::TPoint{*x, *y};
}

TTextImportResult ReadImportText(QIODevice& in, const TImportPointSink& addPoint)
{
    TTextImportResult result;
    TLineReader lines(result, addPoint);
    std::vector<char> chunk(ChunkSize);
    for (;;) {
        const qint64 got = in.read(chunk.data(), qint64(chunk.size()));
        if (got < 0)
            throw FileError(QStringLiteral("Ошибка чтения файла: %1").arg(in.errorString()));
        if (got == 0)
            break;
        if (!lines.Feed(QByteArrayView(chunk.data(), got)))
            return result;
    }
    lines.Finish();
    return result;
}

TTextImportResult ReadImportFile(const QString& path, const TImportPointSink& addPoint)
{
    // A pipe would block the open and a device would never end: only regular files are read.
    if (!QFileInfo(path).isFile())
        ReadFailed(path, QStringLiteral("это не обычный файл"));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        ReadFailed(path, file.errorString());
    return ReadImportText(file, addPoint);
}

QString ImportStopText(const QString& path, const TTextImportResult& result)
{
    return QStringLiteral("Импорт файла \"%1\" остановлен на строке %2: в ней нет двух чисел. "
                          "Записано точек: %3.")
        .arg(QFileInfo(path).fileName())
        .arg(result.FailedLine)
        .arg(result.Points);
}

}
