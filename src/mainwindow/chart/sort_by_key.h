#pragma once
// The stable sort by key of a bulk replace. Many points go through a radix sort on the keys' bits,
// a few passes over the points where a comparison sort makes about log n of them.
#include <QVector>
#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <vector>

namespace lmv::mainwindow {

namespace sort_detail {

constexpr uint64_t SignBit = uint64_t(1) << 63;
constexpr int DigitBits = 8;
constexpr int Digits = 64 / DigitBits;
constexpr int DigitValues = 1 << DigitBits;

// Bits that order as unsigned integers as the keys do as doubles; -0 counts as +0, which it
// equals.
inline uint64_t OrderedBits(double key)
{
    const auto bits = std::bit_cast<uint64_t>(key == 0 ? 0.0 : key);
    return (bits & SignBit) != 0 ? ~bits : bits | SignBit;
}

inline int DigitOf(double key, int digit)
{
    return int((OrderedBits(key) >> (digit * DigitBits)) & (DigitValues - 1));
}

using TCounts = std::array<std::array<qsizetype, DigitValues>, Digits>;

template <class TData> TCounts CountDigits(const QVector<TData>& data)
{
    TCounts counts{};
    for (const TData& item : data) {
        const uint64_t bits = OrderedBits(item.key);
        for (int digit = 0; digit < Digits; ++digit)
            ++counts[digit][(bits >> (digit * DigitBits)) & (DigitValues - 1)];
    }
    return counts;
}

// One counting pass, from the lowest digit up: each keeps the order the pass before left.
template <class TData>
void ScatterByDigit(const TData* from, TData* to, qsizetype size, int digit,
                    const std::array<qsizetype, DigitValues>& counts)
{
    std::array<qsizetype, DigitValues> next;
    qsizetype start = 0;
    for (int value = 0; value < DigitValues; ++value) {
        next[value] = start;
        start += counts[value];
    }
    for (qsizetype i = 0; i < size; ++i)
        to[next[DigitOf(from[i].key, digit)]++] = from[i];
}

template <class TData> void RadixSortByKey(QVector<TData>& data)
{
    const TCounts counts = CountDigits(data);
    std::vector<TData> spare(std::size_t(data.size()));
    TData* from = data.data();
    TData* to = spare.data();
    for (int digit = 0; digit < Digits; ++digit) {
        // A digit that all keys share moves nothing.
        if (counts[digit][DigitOf(from->key, digit)] == data.size())
            continue;
        ScatterByDigit(from, to, data.size(), digit, counts[digit]);
        std::swap(from, to);
    }
    if (from != data.data())
        std::copy_n(from, data.size(), data.data());
}

}

// Below this many points a comparison sort is the faster.
constexpr qsizetype RadixSortMinSize = 2048;

// Sorts in ascending order of key, points of equal key in the order they had. No key is NaN.
template <class TData> void StableSortByKey(QVector<TData>& data)
{
    const auto byKey = [](const TData& a, const TData& b) { return a.key < b.key; };
    if (std::is_sorted(data.cbegin(), data.cend(), byKey))
        return;
    if (data.size() < RadixSortMinSize)
        std::stable_sort(data.begin(), data.end(), byKey);
    else
        sort_detail::RadixSortByKey(data);
}

}
