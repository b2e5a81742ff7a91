#include "mainwindow/recording/run_state.h"

#include "mainwindow/rules/device_types.h"

namespace lmv::mainwindow {

TRecordActionLook RecordActionLook(bool recording)
{
    if (recording)
        return {QStringLiteral("Стоп"), QStringLiteral("Остановить сбор данных"),
                QStringLiteral("media-playback-stop")};
    return {QStringLiteral("Запись"), QStringLiteral("Начать регистрацию данных"),
            QStringLiteral("media-record")};
}

bool StopAsksFirst(int deviceType, bool stopByInstrument)
{
    return deviceType == dtTitrator && !stopByInstrument;
}

void TRunState::Start()
{
    recording_ = true;
    ++run_;
    unknownChannelTold_ = false;
}

void TRunState::CancelStart()
{
    recording_ = false;
    --run_;
}

bool TRunState::FirstUnknownChannel()
{
    if (unknownChannelTold_)
        return false;
    unknownChannelTold_ = true;
    return true;
}

}
