#pragma once
// A main window on a temporary working folder with a fake notifier and a fixed port list.
#include "mainwindow/form1.h"
#include "support/fake_notifier.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <memory>

namespace lmv::test {

class Form1Test : public ::testing::Test {
protected:
    mainwindow::TForm1Options Options()
    {
        mainwindow::TForm1Options options;
        options.startDir = folder.path() + QStringLiteral("/");
        options.listPorts = [this] { return listedPorts; };
        return options;
    }

    mainwindow::TForm1& Form()
    {
        if (!form)
            form = std::make_unique<mainwindow::TForm1>(notifier, Options());
        return *form;
    }

    QTemporaryDir folder;
    FakeNotifier notifier;
    QList<mainwindow::TListedPort> listedPorts;
    std::unique_ptr<mainwindow::TForm1> form;
};

}
