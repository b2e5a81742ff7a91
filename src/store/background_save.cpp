#include "store/background_save.h"

#include "common/current_error.h"
#include "store/record_file.h"

namespace lmv::store {

TBackgroundSave::~TBackgroundSave() { Wait(); }

void TBackgroundSave::Start(const QString& path, model::TBaseRecord snapshot,
                            std::function<void()> written)
{
    Wait();
    error_.clear();
    worker_ = std::thread([this, path, record = std::move(snapshot), written = std::move(written)] {
        try {
            WriteRecordFile(path, record);
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
