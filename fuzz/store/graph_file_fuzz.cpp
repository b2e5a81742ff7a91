// The graph file reader the window's "Чтение графика" uses, on any file: what it reads from the
// file is what the bytes reader makes of the same bytes, never a crash, never more points than
// the file holds.
#include "store/graph_file.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>

using namespace lmv::store;

namespace {

QByteArray BitsOf(const std::optional<std::vector<lmv::model::TPoint>>& points)
{
    return points ? SerializeGraph(*points) : QByteArray("none");
}

}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QTemporaryDir dir;
    static const QString path = QDir(dir.path()).filePath(QStringLiteral("input.GRF"));
    const QByteArrayView bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) ||
        file.write(bytes.data(), bytes.size()) != bytes.size())
        __builtin_trap();
    file.close();
    if (BitsOf(ReadGraphFile(path)) != BitsOf(ParseGraph(bytes)))
        __builtin_trap();
    return 0;
}
