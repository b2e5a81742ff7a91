#pragma once
// The main window the window benchmarks measure: over a real record store in a temporary folder,
// with the test doubles for messages and dialogs, the real clock.
#include "mainwindow/form1.h"
#include "store/record_folder.h"
#include "support/fake_desktop.h"
#include "support/fake_notifier.h"

#include <QDateTime>
#include <QTemporaryDir>

namespace lmv::bench {

struct TBenchWindow {
    QTemporaryDir folder;
    test::FakeNotifier notifier;
    test::FakeDesktop desktop;
    store::TRecordStore store{notifier, folder.path(), [] { return QDateTime::currentDateTime(); }};
    mainwindow::TForm1 form{notifier, store, desktop};
};

}
