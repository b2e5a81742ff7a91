#pragma once
// The texts of the properties window: the record's comments (Windows-1251 lines ended by CR LF)
// as the memo shows them, the rows of the parameters grid, and the clipboard text of a selected
// block of cells.
#include "model/recording_model.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

namespace lmv::mainwindow {

// Lines end at CR LF, a lone LF or a lone CR; the memo joins them with '\n'.
QString CommentsMemoText(const QByteArray& comments);
// Each line of the memo followed by CR LF; an empty last line is no line.
QByteArray CommentsFromMemo(const QString& memoText);

// One row per parameter (name, value); one empty row when there are none.
QList<QStringList> ParamGridRows(const model::TParamsArr& params);

// Each row's cells with a TAB between them and one CR (no line feed) after the last.
QString GridSelectionText(const QList<QStringList>& block);

}
