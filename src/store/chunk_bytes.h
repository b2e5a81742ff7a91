#pragma once
// Little-endian scalars and tagged chunks over a byte buffer, shared by the record and index
// formats. The reader never reads past the end: every read says whether the bytes were there.
#include <QByteArray>
#include <QByteArrayView>
#include <algorithm>
#include <bit>
#include <compare>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <iterator>
#include <optional>

namespace lmv::store {

static_assert(std::endian::native == std::endian::little, "the file formats are little-endian");

constexpr int ChunkHeadSize = 8;  // Int32 tag, Int32 length
constexpr int MagicSize = 8;

class TChunkReader {
public:
    explicit TChunkReader(QByteArrayView bytes, qsizetype position = 0)
        : bytes_(bytes), position_(position)
    {
    }

    qsizetype Left() const { return bytes_.size() - position_; }
    bool AtEnd() const { return Left() <= 0; }

    template <typename T> std::optional<T> Read()
    {
        if (Left() < qsizetype(sizeof(T)))
            return std::nullopt;
        T value;
        std::memcpy(&value, bytes_.data() + position_, sizeof(T));
        position_ += sizeof(T);
        return value;
    }

    // Up to `count` bytes: fewer when the buffer ends first, none for a negative count.
    QByteArrayView Take(qsizetype count)
    {
        const qsizetype taken = std::clamp<qsizetype>(count, 0, Left());
        const QByteArrayView part = bytes_.sliced(position_, taken);
        position_ += taken;
        return part;
    }

    // Skips a chunk's payload of `length` bytes. A negative length would move backwards, possibly
    // forever, and a length past the end is a cut file: both refuse, and the chunk loop ends.
    bool SkipChunk(qsizetype length)
    {
        if (length < 0 || length > Left())
            return false;
        position_ += length;
        return true;
    }

private:
    QByteArrayView bytes_;
    qsizetype position_;
};

// Reads packed little-endian entries of type T out of a byte buffer whatever its alignment, so
// a vector is filled in one pass without being zeroed first.
template <typename T> class TPackedEntryIterator {
public:
    using iterator_category = std::random_access_iterator_tag;
    using value_type = T;
    using difference_type = std::ptrdiff_t;
    using pointer = const T*;
    using reference = T;

    TPackedEntryIterator() = default;
    explicit TPackedEntryIterator(const char* at) : at_(at) {}

    T operator*() const
    {
        T value;
        std::memcpy(&value, at_, sizeof(T));
        return value;
    }
    T operator[](difference_type n) const { return *(*this + n); }
    TPackedEntryIterator& operator++() { return *this += 1; }
    TPackedEntryIterator operator++(int)
    {
        TPackedEntryIterator old = *this;
        ++*this;
        return old;
    }
    TPackedEntryIterator& operator--() { return *this -= 1; }
    TPackedEntryIterator operator--(int)
    {
        TPackedEntryIterator old = *this;
        --*this;
        return old;
    }
    TPackedEntryIterator& operator+=(difference_type n)
    {
        at_ += n * difference_type(sizeof(T));
        return *this;
    }
    TPackedEntryIterator& operator-=(difference_type n) { return *this += -n; }
    friend TPackedEntryIterator operator+(TPackedEntryIterator it, difference_type n)
    {
        return it += n;
    }
    friend TPackedEntryIterator operator+(difference_type n, TPackedEntryIterator it)
    {
        return it += n;
    }
    friend TPackedEntryIterator operator-(TPackedEntryIterator it, difference_type n)
    {
        return it -= n;
    }
    friend difference_type operator-(TPackedEntryIterator a, TPackedEntryIterator b)
    {
        return (a.at_ - b.at_) / difference_type(sizeof(T));
    }
    friend auto operator<=>(TPackedEntryIterator a, TPackedEntryIterator b) = default;

private:
    const char* at_ = nullptr;
};

// Appends to one buffer that is written to disk at once.
class TChunkWriter {
public:
    explicit TChunkWriter(qsizetype expectedSize = 0) { bytes_.reserve(expectedSize); }

    template <typename T> void Write(const T& value)
    {
        bytes_.append(reinterpret_cast<const char*>(&value), sizeof(T));
    }
    void WriteRaw(QByteArrayView bytes) { bytes_.append(bytes); }
    void WriteTag(int32_t tag, int32_t length)
    {
        Write(tag);
        Write(length);
    }
    void WriteChars(QByteArrayView text) { WriteRaw(text); }

    QByteArray Take() { return std::move(bytes_); }

private:
    QByteArray bytes_;
};

// The bytes before the first NUL, as the files' strings are read.
inline QByteArrayView UpToNul(QByteArrayView bytes)
{
    const qsizetype nul = bytes.indexOf('\0');
    return nul < 0 ? bytes : bytes.first(nul);
}

}
