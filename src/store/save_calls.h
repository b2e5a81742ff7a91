#pragma once
// The system calls through which every save writes its bytes, flushes them to disk and puts the
// file in place. They are the system's own; a test replaces them for a while to arrange a failure
// that no folder of its own gives dependably (a full disk), and sees the save report the cause
// from errno just as it would report the system's.
#include <sys/types.h>

namespace lmv::store {

struct TSaveCalls {
    ssize_t (*write)(int fd, const void* data, size_t size);
    int (*fsync)(int fd);
    int (*rename)(const char* from, const char* to);
};

// The calls in force: the system's, unless a TSaveCallsOverride lives.
const TSaveCalls& SaveCalls();

// Tests only: a copy of the given calls is used by every save (on any thread) while this lives. One
// at a time; the calls must set errno when they fail, as the system's do.
class TSaveCallsOverride {
public:
    explicit TSaveCallsOverride(const TSaveCalls& calls);
    ~TSaveCallsOverride();
    TSaveCallsOverride(const TSaveCallsOverride&) = delete;
    TSaveCallsOverride& operator=(const TSaveCallsOverride&) = delete;

private:
    const TSaveCalls calls_;
    const TSaveCalls* previous_;
};

}
