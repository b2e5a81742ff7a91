#include "store/background_save.h"

#include "common/current_error.h"

namespace lmv::store {

TBackgroundSave::~TBackgroundSave() { Wait(); }

void TBackgroundSave::Start(std::function<void()> write, std::function<void()> written)
{
    Wait();
    error_.clear();
    worker_ = std::thread([this, write = std::move(write), written = std::move(written)] {
        try {
            write();
        } catch (...) {
            error_ = common::CurrentErrorMessage();
        }
        if (written)
            written();
    });
}

QString TBackgroundSave::Wait()
{
    if (!worker_.joinable())
        return {};
    worker_.join();
    return error_;
}

}
