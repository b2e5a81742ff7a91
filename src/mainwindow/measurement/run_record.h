#pragma once
// The record action and the record a run writes: the titration device's end-of-run values and
// the header the instrument sends.
#include <QString>

namespace lmv::model {
struct TBaseRecord;
}

namespace lmv::mainwindow {

class TRunRecord {
public:
    virtual ~TRunRecord() = default;

    // Runs the record action as the operator's button would (its enabled state first); with
    // byInstrument the stop asks nothing, and the flag is dropped again however the action ends.
    virtual void ExecuteStartStop(bool byInstrument) = 0;

    // The record that takes the titration device's end-of-run values: the live one while it
    // records, else the last titration run's until the next recording starts; nullptr if none.
    virtual model::TBaseRecord* EndOfRunRecord() = 0;
    // Multiplies every X of that channel of the end-of-run record so that its curve ends at v.
    virtual void ScaleEndOfRunChannelX(int channel, double v) = 0;
    // Writes the end-of-run record to its file and shows it again when it is on screen.
    virtual void SaveEndOfRunRecord() = 0;

    // The record being recorded or last recorded, whose header the instrument writes.
    virtual model::TBaseRecord& LiveRecord() = 0;
    // Shows the live record's parameters again when it is the selected record; the rest of the
    // properties window, which the operator may be typing into, is left alone.
    virtual void RefreshHeaderParams() = 0;
    // The file the live record's header goes into: the live run's, or after a titration run the
    // one awaiting its end-of-run values; '' when there is neither.
    virtual QString HeaderFileName() const = 0;
    // Writes the live record into that file and, when it is the selected record, rebuilds its
    // line in the record list. Errors pass on.
    virtual void SaveHeader() = 0;
};

}
