#pragma once
// A main window over a real record store in a temporary documents folder with a fixed clock, a
// fake notifier, a fake desktop and a fixed port list.
#include "mainwindow/form1.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/record_list_view.h"
#include "named_child.h"
#include "store/record_folder.h"
#include "support/fake_desktop.h"
#include "support/fake_notifier.h"

#include <QDateEdit>
#include <QDateTime>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace lmv::test {

class Form1Test : public ::testing::Test {
protected:
    static inline const QDateTime StoreTime{QDate(2018, 3, 26), QTime(9, 30, 0)};

    mainwindow::TForm1Options Options()
    {
        mainwindow::TForm1Options options;
        options.listPorts = [this] { return listedPorts; };
        return options;
    }

    mainwindow::TForm1& Form()
    {
        if (!form)
            form = std::make_unique<mainwindow::TForm1>(notifier, store, desktop, Options());
        return *form;
    }
    mainwindow::TRecordListView& List()
    {
        return Named<mainwindow::TRecordListView>(Form(), QStringLiteral("ListBox1"));
    }
    const mainwindow::TRecordListView& List() const
    {
        return Named<mainwindow::TRecordListView>(*form, QStringLiteral("ListBox1"));
    }
    QDateEdit& DatePicker() { return Named<QDateEdit>(Form(), QStringLiteral("DateTimePicker1")); }
    // The operator's click on a line of the record list.
    void ClickLine(int line)
    {
        List().setCurrentRow(line);
        emit List().clicked(List().currentIndex());
    }
    // The lamp of the instrument's frames: green while one sends.
    mainwindow::TLampShape& Lamp()
    {
        return Named<mainwindow::TLampShape>(Form(), QStringLiteral("Shape1"));
    }

    QTemporaryDir folder;
    FakeNotifier notifier;
    store::TRecordStore store{notifier, folder.path(), [] { return StoreTime; }};
    FakeDesktop desktop;
    QList<mainwindow::TListedPort> listedPorts;
    std::unique_ptr<mainwindow::TForm1> form;
};

}
