#pragma once
// Puts curves on the window's pages as the operator does: a record of these channels is written
// into the record folder and shown.
#include "mainwindow/form1.h"
#include "model/recording_model.h"
#include "store/record_file.h"
#include "store/record_folder.h"

#include <QString>
#include <vector>

namespace lmv::test {

inline QString ShowChannels(mainwindow::TForm1& form, const store::TRecordStore& store, int mode,
                            std::vector<model::TSingleChannel> channels,
                            const QString& name = QStringLiteral("shown.lmv"))
{
    model::TBaseRecord record;
    record.Mode = mode;
    record.Channels = std::move(channels);
    store::WriteRecordFile(store.RecordDir() + name, record);
    form.ShowRecord(name);
    return name;
}

}
