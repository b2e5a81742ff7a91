// The program's entry: the recording store with its working folder, the desktop, the application,
// the main window, the message loop, and the folder index written once more at exit.
#include "leakcheck/leak_check_unit.h"
#include "mainwindow/form1.h"
#include "mainwindow/message_box_notifier.h"
#include "mainwindow/qt_translations.h"
#include "mainwindow/widgets/qt_desktop.h"
#include "store/record_folder.h"
#include "store/start_dir.h"

#include <QApplication>
#include <QDateTime>

namespace {

// The forms created after the main window: the report forms Form2 to Form8 and the chart print,
// each with its page set-up and printer. The window builds its own boxes (properties, About,
// disks).
void CreateOtherForms(lmv::mainwindow::TForm1& form1) { form1.CreateReportForms(); }

}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lmv2pr"));
    lmv::mainwindow::InstallQtTranslations(app);
    lmv::mainwindow::TMessageBoxNotifier notifier;
    lmv::store::TRecordStore store(notifier, lmv::store::GetMyDocumentsPath(),
                                   [] { return QDateTime::currentDateTime(); });
    lmv::mainwindow::TQtDesktop desktop;
    lmv::leakcheck::LeakCheckInitialization(QCoreApplication::applicationFilePath());
    int exitCode = 0;
    {
        lmv::mainwindow::TForm1 form1(notifier, store, desktop);
        notifier.SetParentWindow(&form1);
        desktop.SetParentWindow(&form1);
        CreateOtherForms(form1);
        form1.show();
        exitCode = app.exec();
        notifier.SetParentWindow(nullptr);
    }
    lmv::leakcheck::LeakCheckFinalization();
    store.SaveHeaderAtExit();
    return exitCode;
}
