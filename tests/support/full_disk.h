#pragma once
// A disk that fills while this lives: once `room` bytes have been written by the saves, each
// write takes only what still fits and then fails with ENOSPC, as a full disk's does. Free()
// makes room again. The real system calls do the rest, so the old file and folder are real.
#include "store/save_calls.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace lmv::test {

class FullDisk {
public:
    explicit FullDisk(long long room = 0) { Room() = room; }
    void Free() { Room() = 1LL << 40; }

private:
    static std::atomic<long long>& Room()
    {
        static std::atomic<long long> room{0};
        return room;
    }
    static ssize_t Write(int fd, const void* data, size_t size)
    {
        const long long fits = std::min(Room().load(), static_cast<long long>(size));
        if (fits <= 0) {
            errno = ENOSPC;
            return -1;
        }
        const ssize_t written = ::write(fd, data, size_t(fits));
        if (written > 0)
            Room() -= written;
        return written;
    }

    store::TSaveCallsOverride calls_{{Write, ::fsync, ::rename}};
};

}
