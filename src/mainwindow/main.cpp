// The program's entry: the working folder, the application, the main window, the message loop.
#include "mainwindow/form1.h"
#include "mainwindow/message_box_notifier.h"

#include <QApplication>
#include <QDir>
#include <QStandardPaths>

namespace {

// The working folder: the user's documents folder followed by "Lmv2Pr/", created when missing.
QString StartDir()
{
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation) + QStringLiteral("/Lmv2Pr/");
    QDir().mkpath(folder);
    return folder;
}

}

int main(int argc, char** argv)
{
    lmv::mainwindow::TForm1Options options;
    options.startDir = StartDir();
    QApplication app(argc, argv);
    app.setApplicationName(QStringLiteral("lmv2pr"));
    lmv::mainwindow::TMessageBoxNotifier notifier;
    lmv::mainwindow::TForm1 form1(notifier, options);
    notifier.SetParentWindow(&form1);
    form1.show();
    return app.exec();
}
