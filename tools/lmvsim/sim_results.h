#pragma once
// A run of the instrument's own results and header frames: start, the titration parameters, the
// header texts, notebook rows, soil analyses, replicate results and stop.
#include <QDateTime>
#include <cstdint>
#include <vector>

namespace lmv::lmvsim {

// The run's title and the text of its status line.
inline constexpr const char* ResultsRunTitle = "Results run";
inline constexpr const char* ResultsRunStatus = "lmvsim results";

// Every frame in the order sent; the date and time texts are those of `now`, day first.
std::vector<std::vector<uint8_t>> ResultAndHeaderFrames(const QDateTime& now);

}
