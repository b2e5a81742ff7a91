#include "mainwindow/record_props/props_save.h"

namespace lmv::mainwindow {

TPropsSave PropsSaveFor(const TPropsSituation& situation)
{
    if (!situation.recordSelected || !situation.modified)
        return TPropsSave::Nothing;
    if (situation.liveShown)
        return TPropsSave::IntoLiveRecord;
    if (situation.awaitingShown)
        return TPropsSave::IntoAwaitingRecord;
    if (situation.mayWriteBack)
        return TPropsSave::WriteBack;
    // A cut record is never rewritten merely because it was shown and its peaks recalculated.
    if (situation.cut && situation.edited && situation.leaving)
        return TPropsSave::AskBeforeWritingCut;
    return TPropsSave::OnScreenOnly;
}

void TakePropsEdits(model::TBaseRecord& record, const TPropsEdits& edits)
{
    record.Title = edits.Title;
    record.Comments = edits.Comments;
    record.Peaks = edits.Peaks;
}

QString RecordLabel(const QString& title, const QString& fileName)
{
    if (title.isEmpty())
        return fileName;
    return QStringLiteral("%1 (%2)").arg(title, fileName);
}

QString CutRecordQuestion(const QString& recordLabel)
{
    return QStringLiteral("Запись «%1» прочитана не полностью.\n"
                          "Сохранить изменения? В файле останется только прочитанная часть.")
        .arg(recordLabel);
}

QString PropsNotSavedMessage(const QString& recordLabel, const QString& reason)
{
    return QStringLiteral("Изменения записи «%1» не сохранены.\n%2").arg(recordLabel, reason);
}

}
