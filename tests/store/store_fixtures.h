#pragma once
// The hand-built files the store tests read, also the seed corpora of the fuzzers.
#include <QByteArray>
#include <QString>
#include <map>

namespace lmv::test {

// Windows-1251 bytes of the Cyrillic texts used in the fixtures.
inline const QByteArray TitleCp1251("\xCE\xEF\xFB\xF2 1");  // "Опыт 1"
inline const QByteArray ParamNameCp1251("\xCE\xE1\xFA\xE5\xEC");  // "Объем"
inline const QByteArray CommentsCp1251("\xF1\xF2\xF0\xEE\xEA\xE0\r\n");  // "строка" CR LF

// A 368-byte peak: StartIdx 2, EndIdx 7, PageIndex 1, Value 3.5, Name "Пик", CalcType 2,
// MinIdx 3, MaxIdx 6, A0..X2 = 1..8, and non-zero padding, unused name bytes and reserved bytes.
QByteArray PeakBytes();

// The 56-byte record of an empty recording.
QByteArray MinimalRecordBytes();
// Every tag the writer emits, in its order: title "Опыт 1", Mode 41, comments, one parameter,
// one peak, Result1 12.5 / Result2 7.25, channel 0 with 3 points and channel 8 with 2.
QByteArray FullRecordBytes();

// A date and a peak Value whose bits are a NaN.
QByteArray NanFieldsRecordBytes();

QByteArray EmptyIndexBytes();
// Two entries: "Опыт 1" / "0" / 43167.5 and "" / "1_0" / 43168.25.
QByteArray TwoEntryIndexBytes();

// A file of `size` bytes that begins with `start` and holds nothing else on disk (a hole):
// hostile sizes without writing them.
bool PutSparseFile(const QString& path, const QByteArray& start, qint64 size);

std::map<QString, QByteArray> RecordCorpus();
std::map<QString, QByteArray> IndexCorpus();

}
