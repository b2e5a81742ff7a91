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
        options.selectedFileName = [this] { return selectedFileName; };
        options.recordFileName = [this] { return recordFileName; };
        options.runSaveDialog1 = [this](const mainwindow::TSaveDialogSpec& spec) {
            saveDialogRuns << spec;
            return saveDialogAnswers.isEmpty() ? QString() : saveDialogAnswers.takeFirst();
        };
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
    // The store's names of the record on screen and of the live record's file.
    QString selectedFileName;
    QString recordFileName;
    // SaveDialog1 answers with these names in turn, then as cancelled; every run is kept.
    QStringList saveDialogAnswers;
    QList<mainwindow::TSaveDialogSpec> saveDialogRuns;
    std::unique_ptr<mainwindow::TForm1> form;
};

}
