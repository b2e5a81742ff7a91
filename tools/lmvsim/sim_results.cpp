#include "sim_results.h"

#include "instrument_frames.h"
#include "sim_channels.h"

#include <string>

namespace lmv::lmvsim {

namespace {

constexpr int StatusKind = 100, DateTimeKind = 101, TitleKind = 102;
constexpr int NotebookRows = 3, SoilSamples = 2, ReplicateRepeats = 2;

TTitrationParamSet TitrationParams()
{
    TTitrationParamSet params;
    params.tipLevel = 1;
    params.ktt = 8.2;
    params.zona = 0.5;
    params.end = 12.0;
    params.speed1 = 5;
    params.speed2 = 2;
    params.timer = 30;
    params.plotnost = 1.0;
    params.ion = "Cl";
    return params;
}

std::string DateTimeText(const QDateTime& now)
{
    return ("Date " + now.toString(QStringLiteral("dd-MM-yyyy")) + " Time " +
            now.toString(QStringLiteral("HH:mm:ss")))
        .toStdString();
}

}

std::vector<std::vector<uint8_t>> ResultAndHeaderFrames(const QDateTime& now)
{
    std::vector<std::vector<uint8_t>> frames{StartFrameBytes(),
                                             TitrationParamsBytes(TitrationParams())};
    frames.push_back(TextFrameBytes(DateTimeKind, DateTimeText(now)));
    frames.push_back(TextFrameBytes(TitleKind, ResultsRunTitle));
    frames.push_back(TextFrameBytes(0, "Sample$12$"));
    frames.push_back(TextFrameBytes(5, "Volume$ 10 ml$"));
    frames.push_back(TextFrameBytes(StatusKind, ResultsRunStatus));
    for (int page = 0; page < NotebookRows; ++page) {
        TNotebookPage row;
        row.page = page;
        row.value = 1.5 + page;
        row.density = 0.125 * (page + 1);
        row.unit = page;
        row.wavelength = 540;
        row.firstText = "NO3";
        frames.push_back(NotebookPageBytes(row));
    }
    for (int sample = 0; sample < SoilSamples; ++sample)
        for (int block = 0; block < 2; ++block)
            frames.push_back(SoilAnalysisBytes({2 * sample + block,
                                                sample + 1,
                                                0,
                                                block,
                                                {1.25, 2.5, 3.75, 5.0},
                                                {10.0, 20.0, 30.0, 40.0}}));
    int position = 0;
    for (int sample = 1; sample <= 2; ++sample)
        for (int repeat = 0; repeat <= ReplicateRepeats; ++repeat)
            frames.push_back(
                ReplicateResultBytes({position++, sample, sample == 1, 100 * sample + repeat}));
    frames.push_back(StopFrameBytes());
    return frames;
}

}
