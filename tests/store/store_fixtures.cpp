#include "store_fixtures.h"

#include "file_bytes.h"

#include <QFile>

namespace lmv::test {

QByteArray PeakBytes()
{
    FileBytes peak("");
    peak.I32(2).I32(7).I32(1).Text("\x11\x22\x33\x44").F64(3.5);
    QByteArray name(256, '\x5A');  // bytes after the name are not zero: they must survive
    name[0] = 3;
    name.replace(1, 3, "\xCF\xE8\xEA");  // "Пик"
    peak.Text(name).I32(2).I32(3).I32(6).Text("\x55\x66\x77\x01");
    for (int i = 1; i <= 8; ++i)
        peak.F64(i);
    return peak.Text("\x01\x02\x03\x04\x05\x06\x07\x08");
}

bool PutSparseFile(const QString& path, const QByteArray& start, qint64 size)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(start) == start.size() &&
        file.resize(size);
}

QByteArray MinimalRecordBytes()
{
    return FileBytes().F64Chunk(0, 0.0).Head(1, 0).I32Chunk(7, 0).I32Chunk(16, 0);
}

QByteArray FullRecordBytes()
{
    return FileBytes()
        .F64Chunk(0, 43167.5)
        .Chunk(1, TitleCp1251)
        .I32Chunk(7, 41)
        .Chunk(2, CommentsCp1251)
        .Chunk(3, ParamNameCp1251)
        .Chunk(4, "10.5")
        .Head(16, 4 + 368)
        .I32(1)
        .Text(PeakBytes())
        .F64Chunk(17, 12.5)
        .F64Chunk(18, 7.25)
        .I32Chunk(5, 0)
        .Head(6, 4 + 3 * 16)
        .I32(3)
        .F64(0)
        .F64(1)
        .F64(5)
        .F64(2)
        .F64(10)
        .F64(3)
        .I32Chunk(5, 8)
        .Head(6, 4 + 2 * 16)
        .I32(2)
        .F64(1)
        .F64(-1)
        .F64(2)
        .F64(-2);
}

QByteArray NanFieldsRecordBytes()
{
    QByteArray peak = PeakBytes();
    peak.replace(16, 8, QByteArray(8, '\xFF'));
    return FileBytes().Head(0, 8).Text(QByteArray(8, '\xFF')).Head(16, 372).I32(1).Text(peak);
}

QByteArray EmptyIndexBytes() { return FileBytes("LMVHv100"); }

QByteArray TwoEntryIndexBytes()
{
    return FileBytes("LMVHv100")
        .Chunk(1, TitleCp1251)
        .Chunk(2, "0")
        .F64Chunk(3, 43167.5)
        .Chunk(1, "")
        .Chunk(2, "1_0")
        .F64Chunk(3, 43168.25);
}

std::map<QString, QByteArray> RecordCorpus()
{
    const QByteArray peak = PeakBytes();
    return {
        {"minimal", MinimalRecordBytes()},
        {"full", FullRecordBytes()},
        {"oldest-peaks", FileBytes().Head(8, 0).I32(1).Text(peak.first(280))},
        {"older-peaks", FileBytes().Head(9, 0).I32(1).Text(peak.first(288))},
        {"skipped-tags", FileBytes().Chunk(12, "abc").Chunk(99, "").Chunk(-5, "xy").I32Chunk(7, 3)},
        {"huge-point-count",
         FileBytes().I32Chunk(5, 1).Head(6, 0).I32(1000000000).F64(1).F64(2).F64(3).F64(4)},
        {"huge-peak-count", FileBytes().Head(16, 0).I32(0x7FFFFFFF).Text(peak)},
        {"negative-skip", FileBytes().Chunk(1, "t").Head(12, -8)},
        {"param-value-first", FileBytes().Chunk(4, "v")},
        {"points-first", FileBytes().Head(6, 20).I32(1).F64(1).F64(2)},
        {"other-version", FileBytes("LMVRv101")},
        {"nan-fields", NanFieldsRecordBytes()},
    };
}

std::map<QString, QByteArray> IndexCorpus()
{
    return {
        {"empty", EmptyIndexBytes()},
        {"two-entries", TwoEntryIndexBytes()},
        {"orphan-chunks",
         FileBytes("LMVHv100")
             .Chunk(2, "x")
             .F64Chunk(3, 1.0)
             .Chunk(1, "t")
             .Head(3, 12)
             .F64(2.0)
             .I32(7)},
        {"negative-skip", FileBytes("LMVHv100").Chunk(1, "t").Head(9, -16)},
        {"cut-title", FileBytes("LMVHv100").Head(1, 1000).Text("abc")},
    };
}

}
