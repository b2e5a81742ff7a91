#include "service/instrument_commands.h"

#include "common/errors.h"
#include "link/instrument_link.h"

namespace lmv::service {

namespace {

void SendWithByte(link::TInstrumentLink& link, uint8_t code, int value)
{
    if (value < 0 || value > 255)
        throw common::RangeError();
    link.TxFrame[3] = static_cast<uint8_t>(value);
    link.SendFrame(code, 2);
}

}

void SendNotebookDump(link::TInstrumentLink& link, int channel)
{
    SendWithByte(link, link::NotebookDumpCommand, channel - 1);
}

void SendKeyCommand(link::TInstrumentLink& link) { link.SendFrame(link::KeyCommand, 1); }

void SendReadCommand(link::TInstrumentLink& link, int value)
{
    SendWithByte(link, link::ReadCommand, value);
}

}
