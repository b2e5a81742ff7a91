#include "mainwindow/recording/autosave_policy.h"

namespace lmv::mainwindow {

QString TAutosavePolicy::Due(bool recording, const QString& recordFileName) const
{
    if (!pendingFinal_.isEmpty())
        return pendingFinal_;
    return recording ? recordFileName : QString();
}

void TAutosavePolicy::RunStarted()
{
    pendingFinal_.clear();
    failureTold_ = false;
}

void TAutosavePolicy::FinalSaveFailed(const QString& fileName)
{
    pendingFinal_ = fileName;
    failureTold_ = true;
}

bool TAutosavePolicy::Outcome(const QString& fileName, const QString& error)
{
    if (error.isEmpty()) {
        if (fileName == pendingFinal_)
            pendingFinal_.clear();
        failureTold_ = false;
        return false;
    }
    const bool tell = !failureTold_;
    failureTold_ = true;
    return tell;
}

}
