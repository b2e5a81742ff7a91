#pragma once
// One recording in memory and the entries of a folder index.
#include "model/peak_record.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace lmv::model {

// Days since 30 December 1899, local time; 0.0 = no date.
using TDateTime = double;

// Result1 and Result2 hold this while the instrument reported no end point.
constexpr double NoResult = -1.0;
// Mode of a record whose file was not a record file.
constexpr int32_t NotARecordFile = -1;

struct TPoint {
    double X = 0.0;
    double Y = 0.0;
    bool operator==(const TPoint&) const = default;
};
static_assert(sizeof(TPoint) == 16);

struct TSingleChannel {
    int32_t Id = 0;
    std::vector<TPoint> Points;
    bool operator==(const TSingleChannel&) const = default;
};

struct TParamRec {
    QString Name;
    QString Value;
    bool operator==(const TParamRec&) const = default;
};
using TParamsArr = std::vector<TParamRec>;

struct TBaseRecord {
    TDateTime DateTime = 0.0;
    QString Title;
    TParamsArr Params;
    QByteArray Comments;  // Windows-1251 lines, each ended by CR LF
    std::vector<TSingleChannel> Channels;
    int32_t Mode = 0;  // device type code of the recording instrument
    TPeaks Peaks;
    double Result1 = NoResult;
    double Result2 = NoResult;
    bool operator==(const TBaseRecord&) const = default;
};

// A new recording: nine channels numbered 0 to 8, none with points.
constexpr int NewRecordChannelCount = 9;

struct TBaseHeaderRecord {
    QString Title;
    QString FileName;  // bare name inside the record folder: the key of a recording
    TDateTime DateTime = 0.0;
    bool operator==(const TBaseHeaderRecord&) const = default;
};
using TBaseHeader = std::vector<TBaseHeaderRecord>;

}
