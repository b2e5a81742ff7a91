#pragma once
// When the 10-second tick saves the live record, and which failures are told. A failed save
// never stops the next tick from trying again; a run of failures is told once. A stop whose
// final save failed is retried on the ticks until it succeeds or the next run starts, so the
// points since the last autosave are not lost.
#include <QString>

namespace lmv::mainwindow {

class TAutosavePolicy {
public:
    // The file a tick saves: a failed final save first, else the live record's file while
    // recording; '' when nothing is due.
    QString Due(bool recording, const QString& recordFileName) const;
    const QString& PendingFinalSave() const { return pendingFinal_; }

    // A new run: the previous run's final save is given up, its failures forgotten.
    void RunStarted();
    // The stop's final save failed (and was shown): the ticks retry it.
    void FinalSaveFailed(const QString& fileName);
    // The outcome of a save of fileName; error '' = saved. True when the error is to be shown:
    // the first of a run of failures.
    bool Outcome(const QString& fileName, const QString& error);

private:
    QString pendingFinal_;
    bool failureTold_ = false;
};

}
