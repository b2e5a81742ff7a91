#include "graph_fixtures.h"

#include "file_bytes.h"

namespace lmv::test {

QByteArray GraphBytes(int32_t count, int points, int extraBytes)
{
    FileBytes bytes("");
    bytes.I32(count);
    for (int i = 0; i < points; ++i)
        bytes.F64(i).F64(10.0 * i);
    bytes.Text(QByteArray(extraBytes, '\x7F'));
    return bytes;
}

std::map<QString, QByteArray> GraphCorpus()
{
    return {
        {"three-points", GraphBytes(3, 3)},
        {"count-ten-over-four", GraphBytes(10, 4)},
        {"negative-count", GraphBytes(-1, 2)},
        {"huge-count", GraphBytes(0x7FFFFFFF, 1, 9)},
        {"cut-point", GraphBytes(2, 1, 12)},
        {"short-count", QByteArray("\x03\x00\x00", 3)},
        {"empty", QByteArray()},
        {"nan-point", FileBytes("").I32(1).F64(std::numeric_limits<double>::quiet_NaN()).F64(1)},
    };
}

std::map<QString, QByteArray> GraphFileCorpus()
{
    return {
        {"three-points", GraphBytes(3, 3)},
        {"huge-count", GraphBytes(0x7FFFFFFF, 2, 5)},
        {"negative-count", GraphBytes(-1, 1)},
        {"short-count", QByteArray("\x01\x00", 2)},
    };
}

std::map<QString, QByteArray> ImportTextCorpus()
{
    return {
        {"export", "0.5\t 2\r\n1\t 3.25\r\n1E-5\t -5E-6\r\n"},
        {"blanks-before-y", "1    2\n2\t\t3\n"},
        {"no-last-line-end", "1 2\r\n3 4"},
        {"lone-cr", "1 2\r3 4\r"},
        {"comma-text", "0.5,2,\r\n"},
        {"stops-mid-file", "1 2\r\n\r\n3 4\r\n"},
        {"third-column", "1 2 3\r\n"},
        {"long-line", QByteArray(5000, '1') + " 2\r\n"},
        {"cp1251-letters", "\xD5 1\r\n"},
        {"empty", ""},
    };
}

}
