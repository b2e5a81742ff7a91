#pragma once
// One record file written on a worker thread from a snapshot taken on the caller's thread, so a
// long record never stalls the window while it is written. The write is atomic as every save.
#include "model/recording_model.h"

#include <QString>
#include <functional>
#include <thread>

namespace lmv::store {

class TBackgroundSave {
public:
    TBackgroundSave() = default;
    TBackgroundSave(const TBackgroundSave&) = delete;
    TBackgroundSave& operator=(const TBackgroundSave&) = delete;
    ~TBackgroundSave();

    // Writes snapshot to path on a new worker; `written` runs on the worker once it is done.
    // Only one write at a time: Wait first.
    void Start(const QString& path, model::TBaseRecord snapshot, std::function<void()> written);
    bool InFlight() const { return worker_.joinable(); }
    // Waits for the write in flight; its error text, '' when it was written (or none was).
    QString Wait();

private:
    std::thread worker_;
    QString error_;  // set by the worker before it ends, read after the join
};

}
