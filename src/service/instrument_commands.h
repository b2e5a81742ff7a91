#pragma once
// Commands the instrument takes without answering: the corrosion meter's notebook (it then sends
// its rows as ordinary frames) and the two test commands. Values outside their byte raise
// common::RangeError before anything is sent.
namespace lmv::link {
class TInstrumentLink;
}

namespace lmv::service {

// Channel counted from 1.
void SendNotebookDump(link::TInstrumentLink& link, int channel);
void SendKeyCommand(link::TInstrumentLink& link);
// The value as it is, 0..255.
void SendReadCommand(link::TInstrumentLink& link, int value);

}
