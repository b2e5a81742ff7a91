#include "link/message_catalogue.h"

#include "link/frame_codec.h"

#include <array>

namespace lmv::link {

namespace {

using enum TMessageDirection;

// code, name, direction, L received, L sent
constexpr std::array<TMessageInfo, 14> Catalogue{{
    {MeasurementFrame, "MeasurementFrame", ToPc, 14, 0},
    {NotebookPageFrame, "NotebookPageFrame", Both, 94, 2},
    {SoilAnalysisFrame, "SoilAnalysisFrame", ToPc, 37, 0},
    {ReplicateResultFrame, "ReplicateResultFrame", ToPc, 6, 0},
    {KeyCommand, "KeyCommand", ToInstrument, 0, 1},
    {ReadCommand, "ReadCommand", ToInstrument, 0, 2},
    {CalibrationPointFrame, "CalibrationPointFrame", Both, 58, 5},
    {GetClockFrame, "GetClockFrame", Both, 7, 1},
    {SetClockFrame, "SetClockFrame", Both, 1, 7},
    {StopFrame, "StopFrame", ToPc, 1, 0},
    {StartFrame, "StartFrame", ToPc, 1, 0},
    {NotebookDumpCommand, "NotebookDumpCommand", ToInstrument, 0, 2},
    {TitrationParamsFrame, "TitrationParamsFrame", ToPc, 30, 0},
    {TextFrame, "TextFrame", ToPc, 2, 0},
}};

}

std::span<const TMessageInfo> MessageCatalogue() { return Catalogue; }

const TMessageInfo* FindMessage(uint8_t code)
{
    for (const TMessageInfo& info : Catalogue)
        if (info.code == code)
            return &info;
    return nullptr;
}

bool IsReceivedCode(uint8_t code)
{
    const TMessageInfo* info = FindMessage(code);
    return info != nullptr && info->direction != ToInstrument;
}

}
