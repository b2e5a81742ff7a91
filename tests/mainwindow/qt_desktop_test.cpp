// The real desktop's dialogs answered from a timer, as a person would: what they start from and
// what accept and cancel give back.
#include "mainwindow/widgets/qt_desktop.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QInputDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolBar>
#include <functional>
#include <gtest/gtest.h>

namespace lmv::mainwindow {
namespace {

// Runs `answer` on the modal dialog once it is shown, as long as this lives.
template <class Dialog> class ModalAnswer {
public:
    explicit ModalAnswer(std::function<void(Dialog&)> answer)
    {
        QObject::connect(&poll_, &QTimer::timeout, [this, answer = std::move(answer)] {
            if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
                poll_.stop();
                answer(*dialog);
            }
        });
        poll_.start(10);
    }

private:
    QTimer poll_;
};

TEST(QtDesktopTest, InputBoxGivesTheTypedTextOrNothingOnCancel)
{
    TQtDesktop desktop;
    QString prompt;
    ModalAnswer<QInputDialog> typed([&prompt](QInputDialog& dialog) {
        prompt = dialog.windowTitle() + u'|' + dialog.labelText() + u'|' + dialog.textValue();
        dialog.setTextValue(QStringLiteral("пик 2"));
        dialog.accept();
    });
    EXPECT_EQ(
        desktop.InputBox(QStringLiteral("Пик"), QStringLiteral("Имя:"), QStringLiteral("пик 1")),
        QStringLiteral("пик 2"));
    EXPECT_EQ(prompt, QStringLiteral("Пик|Имя:|пик 1"));

    ModalAnswer<QInputDialog> cancelled([](QInputDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(desktop.InputBox(QStringLiteral("Пик"), QStringLiteral("Имя:"), QString()),
              std::nullopt);
}

TEST(QtDesktopTest, SaveDialogStartsInTheFolderAndAddsTheDefaultExtension)
{
    QTemporaryDir folder;
    TQtDesktop desktop;
    common::TFileDialogRequest request;
    request.title = QStringLiteral("Вывод в файл");
    request.filter = QStringLiteral("Файл данных *.DAT (*.DAT)");
    request.defaultExt = QStringLiteral("DAT");
    request.fileName = QStringLiteral("table");
    request.folder = folder.path();
    QString startFolder;
    ModalAnswer<QFileDialog> chosen([&startFolder](QFileDialog& dialog) {
        startFolder = dialog.directory().absolutePath();
        static_cast<QDialog&>(dialog).accept();  // QFileDialog's own accept, as its button does
    });
    EXPECT_EQ(desktop.SaveFileName(request),
              QDir(folder.path()).filePath(QStringLiteral("table.DAT")));
    EXPECT_EQ(startFolder, QDir(folder.path()).absolutePath());

    ModalAnswer<QFileDialog> cancelled([](QFileDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(desktop.SaveFileName(request), QString());
}

TEST(QtDesktopTest, ModalFormsGiveTheirResultCode)
{
    TQtDesktop desktop;
    QDialog form;
    {
        ModalAnswer<QDialog> accepted([](QDialog& dialog) { dialog.accept(); });
        EXPECT_EQ(desktop.ExecModal(form), QDialog::Accepted);
    }
    ModalAnswer<QDialog> rejected([](QDialog& dialog) { dialog.reject(); });
    EXPECT_EQ(desktop.ExecModal(form), QDialog::Rejected);
}

TEST(QtDesktopTest, PreviewButtonRunsItsActionWhileThePreviewIsOpen)
{
    TQtDesktop desktop;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    int painted = 0, clicked = 0;
    ModalAnswer<QPrintPreviewDialog> press([](QPrintPreviewDialog& dialog) {
        for (QAction* action : dialog.findChild<QToolBar*>()->actions())
            if (action->text() == QStringLiteral("Сохранить как текст"))
                action->trigger();
        dialog.reject();
    });
    desktop.PrintPreviewWithButton(
        printer, [&painted](QPrinter&) { ++painted; }, QStringLiteral("Сохранить как текст"),
        [&clicked] { ++clicked; });
    EXPECT_EQ(clicked, 1);
    EXPECT_GE(painted, 1);
}

// A report's preview is captioned with the printer's document name, the report's own name.
TEST(QtDesktopTest, PreviewIsCaptionedWithTheDocumentName)
{
    TQtDesktop desktop;
    QPrinter printer;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setDocName(QStringLiteral("График 1"));
    QString caption;
    ModalAnswer<QPrintPreviewDialog> close([&caption](QPrintPreviewDialog& dialog) {
        caption = dialog.windowTitle();
        dialog.reject();
    });
    desktop.PrintPreview(printer, [](QPrinter&) {});
    EXPECT_TRUE(caption.endsWith(QStringLiteral(": График 1"))) << caption.toStdString();
}

}
}
