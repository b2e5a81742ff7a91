#pragma once
// The readings table and the ways a frame's row is stored in it.

namespace lmv::mainwindow {

class TReadingsTable;

class TReadingsRows {
public:
    virtual ~TReadingsRows() = default;

    virtual TReadingsTable& Table() = 0;
    // Stores the live row whatever the state of the operator's action.
    virtual void StoreLiveRow() = 0;
    // A notebook or soil row fills the live row: stored without a time stamp.
    virtual void SetRowFromFrame(bool fromFrame) = 0;
    // Stores the live row through the store action: a disabled action stores nothing.
    virtual void ExecuteAddRow() = 0;
};

}
