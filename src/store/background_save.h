#pragma once
// One write on a worker thread (a record file from a snapshot, or the index from a copy) taken on
// the caller's thread, so a long record or a large index never stalls the window while it is
// written. The write is atomic as every save.
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

    // Runs write on a new worker; `written` runs on the worker once it is done. The write owns
    // what it writes. Only one write at a time: Wait first.
    void Start(std::function<void()> write, std::function<void()> written);
    bool InFlight() const { return worker_.joinable(); }
    // Waits for the write in flight; its error text, '' when it was written (or none was).
    QString Wait();

private:
    std::thread worker_;
    QString error_;  // set by the worker before it ends, read after the join
};

}
