#pragma once
// Record and index files built byte by byte, independent of the store's writer, so tests compare
// the writer and the reader against the layout itself.
#include <QByteArray>
#include <cstdint>
#include <cstring>

namespace lmv::test {

class FileBytes {
public:
    explicit FileBytes(const char* magic = "LMVRv100") { bytes.append(magic); }

    FileBytes& I32(int32_t value) { return Raw(&value, 4); }
    FileBytes& F64(double value) { return Raw(&value, 8); }
    FileBytes& Text(const QByteArray& text)
    {
        bytes.append(text);
        return *this;
    }
    FileBytes& Head(int32_t tag, int32_t length) { return I32(tag).I32(length); }
    // A chunk whose length field is its payload's size.
    FileBytes& Chunk(int32_t tag, const QByteArray& payload)
    {
        return Head(tag, int32_t(payload.size())).Text(payload);
    }
    FileBytes& F64Chunk(int32_t tag, double value) { return Head(tag, 8).F64(value); }
    FileBytes& I32Chunk(int32_t tag, int32_t value) { return Head(tag, 4).I32(value); }

    operator QByteArray() const { return bytes; }

    QByteArray bytes;

private:
    FileBytes& Raw(const void* data, int size)
    {
        bytes.append(static_cast<const char*>(data), size);
        return *this;
    }
};

}
