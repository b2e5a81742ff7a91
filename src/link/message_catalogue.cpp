#include "link/message_catalogue.h"

#include "link/frame_codec.h"

#include <array>

namespace lmv::link {

namespace {

using enum TMessageDirection;

constexpr std::array<TMessageInfo, 14> Catalogue {{
    {MeasurementFrame, "MeasurementFrame", ToPc, 14},
    {NotebookPageFrame, "NotebookPageFrame", Both, 94},
    {SoilAnalysisFrame, "SoilAnalysisFrame", ToPc, 37},
    {ReplicateResultFrame, "ReplicateResultFrame", ToPc, 6},
    {KeyCommand, "KeyCommand", ToInstrument, 1},
    {ReadCommand, "ReadCommand", ToInstrument, 2},
    {CalibrationPointFrame, "CalibrationPointFrame", Both, 58},
    {GetClockFrame, "GetClockFrame", Both, 7},
    {SetClockFrame, "SetClockFrame", Both, 1},
    {StopFrame, "StopFrame", ToPc, 1},
    {StartFrame, "StartFrame", ToPc, 1},
    {NotebookDumpCommand, "NotebookDumpCommand", ToInstrument, 2},
    {TitrationParamsFrame, "TitrationParamsFrame", ToPc, 30},
    {TextFrame, "TextFrame", ToPc, 2},
}};

}

std::span<const TMessageInfo> MessageCatalogue()
{
    return Catalogue;
}

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
