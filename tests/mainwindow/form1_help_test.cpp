// Help through the desktop's launchers, the About box, and the chart pictures on the clipboard.
#include "form1_fixture.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/widgets/about_box.h"
#include "mainwindow/widgets/qt_desktop.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QTabWidget>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

namespace lmv::test {
namespace {

class HelpTest : public Form1Test {
protected:
    void SetUp() override
    {
        Form().show();
        Form().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&Form()));
        // The port chooser, focused first, has a context of its own.
        Named<QTabWidget>(*form, QStringLiteral("PageControl1")).setFocus();
    }
    QToolBar& Bar(const char* name) const
    {
        return Named<QToolBar>(*form, QString::fromLatin1(name));
    }
    mainwindow::TAboutBox& About() const
    {
        return Named<mainwindow::TAboutBox>(*form, QStringLiteral("AboutBox"));
    }
    // The help file beside the program.
    static QString HelpFile()
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/help/Lmv2pr.chm");
    }
    // A mouse move over a main tool bar at the middle of the action's button.
    void HoverOver(const char* actionName)
    {
        QWidget* button = ButtonOf(actionName);
        ASSERT_NE(button, nullptr) << actionName;
        MoveOver(*button, button->rect().center());
    }
    QWidget* ButtonOf(const char* actionName) const
    {
        for (const QToolBar* bar : {&Bar("ToolBar2"), &Bar("CurveToolBar")})
            for (auto* button : bar->findChildren<QToolButton*>()) {
                if (button->property("ActionName").toString() == QLatin1String(actionName))
                    return button;
            }
        return nullptr;
    }
    void MoveOver(QWidget& widget, QPoint at)
    {
        QMouseEvent move(QEvent::MouseMove, at, widget.mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                         Qt::NoModifier);
        QApplication::sendEvent(&widget, &move);
    }
    std::vector<int> AskedContexts() const
    {
        std::vector<int> contexts;
        for (const FakeDesktop::THelpTopic& topic : desktop.helpTopics) {
            EXPECT_EQ(topic.helpFile, HelpFile());
            contexts.push_back(topic.context);
        }
        return contexts;
    }
    void PressF1() { QTest::keyClick(&Form(), Qt::Key_F1); }
};

TEST_F(HelpTest, F1OpensTheTopicOfTheButtonUnderTheMouseElseTheWindowsOwn)
{
    const std::pair<const char*, int> buttons[] = {{"StartStopActn", 4},
                                                   {"FindVolumesActn", 31},
                                                   {"SetPeakBordersActn", 32},
                                                   {"PeakAutoSearchActn", 32},
                                                   {"FitImageActn", 0}};
    std::vector<int> expected;
    for (const auto& [name, context] : buttons) {
        HoverOver(name);
        PressF1();
        expected.push_back(context);
    }
    MoveOver(*form, QPoint(5, form->height() - 5));
    PressF1();
    expected.push_back(2);
    MoveOver(Bar("ToolBar2"), QPoint(Bar("ToolBar2").width() - 2, 2));
    PressF1();
    expected.push_back(2);
    EXPECT_EQ(AskedContexts(), expected);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(HelpTest, TheFocusedControlsOwnContextComesFirst)
{
    List().setFocus();
    ASSERT_TRUE(List().hasFocus());
    HoverOver("StartStopActn");
    PressF1();
    EXPECT_EQ(AskedContexts(), std::vector<int>{21});
}

TEST_F(HelpTest, F1InAnOpenMenuOpensTheHighlightedItemsTopic)
{
    // An item of its own carries its context, an item of an action the action's.
    const std::pair<const char*, int> menus[] = {{"&Правка", 12}, {"&Вид", 21}};
    std::vector<int> expected;
    for (const auto& [title, context] : menus) {
        QMenu* menu = nullptr;
        for (QAction* item : form->menuBar()->actions()) {
            if (item->text() == QString::fromUtf8(title))
                menu = item->menu();
        }
        ASSERT_NE(menu, nullptr) << title;
        menu->popup(QPoint(0, 0));
        menu->setActiveAction(menu->actions().first());
        QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
        QApplication::sendEvent(menu, &f1);
        menu->hide();
        expected.push_back(context);
    }
    EXPECT_EQ(AskedContexts(), expected);
}

TEST_F(HelpTest, WithoutAViewerF1DoesNothingAndSaysNothing)
{
    desktop.helpViewerInstalled = false;
    PressF1();
    EXPECT_EQ(desktop.helpTopics.size(), 1u);
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_TRUE(desktop.openedDocuments.isEmpty());
}

TEST_F(HelpTest, TheHelpCommandOpensTheWholeFile)
{
    desktop.helpViewerInstalled = false;
    form->Actn(QStringLiteral("HelpContextActn")).Execute();
    EXPECT_EQ(desktop.openedDocuments, QStringList{HelpFile()});
    EXPECT_TRUE(desktop.helpTopics.empty());
}

TEST_F(HelpTest, TheViewerCommandPutsInTheContextAndTheFile)
{
    mainwindow::TQtDesktop real;
    EXPECT_EQ(real.HelpViewer().program, "xchm");
    EXPECT_EQ(real.HelpViewerArguments(QStringLiteral("/p/help/Lmv2pr.chm"), 31),
              (QStringList{"--contextid=31", "/p/help/Lmv2pr.chm"}));
    real.SetHelpViewer({QStringLiteral("no-such-help-viewer-here"), {}});
    EXPECT_FALSE(real.OpenHelpTopic(QStringLiteral("/p/help/Lmv2pr.chm"), 2));
}

// What the README says of F1 is what the program does: it needs only the viewer, starts it
// whether or not the help file is there, and says nothing without the viewer.
TEST_F(HelpTest, TheReadmeSaysWhatF1NeedsAsTheProgramDoesIt)
{
    QFile readme(QStringLiteral(LMV_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly | QIODevice::Text));
    const QString text = QString::fromUtf8(readme.readAll()).simplified();
    const qsizetype f1 = text.indexOf(QStringLiteral("F1 "));
    ASSERT_GE(f1, 0);
    const QString help = text.mid(f1, 600);
    EXPECT_FALSE(text.contains(QStringLiteral("when both are there")));
    EXPECT_TRUE(help.contains(QStringLiteral("F1 needs `xchm` on the PATH"))) << help.toStdString();
    EXPECT_TRUE(help.contains(QStringLiteral("the program says nothing")));
    EXPECT_TRUE(help.contains(QStringLiteral("does not look for the help file")));

    mainwindow::TQtDesktop real;
    real.SetHelpViewer({QStringLiteral("true"), {QStringLiteral("{file}")}});
    EXPECT_TRUE(real.OpenHelpTopic(QStringLiteral("/no/such/folder/help/Lmv2pr.chm"), 2))
        << "the viewer starts though the file is missing";
    real.SetHelpViewer({QStringLiteral("no-such-help-viewer-here"), {}});
    EXPECT_FALSE(real.OpenHelpTopic(HelpFile(), 2));
}

TEST_F(HelpTest, AboutBoxShowsTheNameAndVersionEachTimeItOpens)
{
    for (int time = 0; time < 2; ++time) {
        About().Version->setText(QStringLiteral("Версия:"));
        form->Actn(QStringLiteral("AboutActn")).Execute();
        EXPECT_EQ(About().Version->text(), "Версия от: 2018.03.26");
    }
    EXPECT_EQ(desktop.modalRuns, 2);
    EXPECT_EQ(About().windowTitle(), "О программе...");
    EXPECT_EQ(About().ProductName->text(), QString::fromUtf8("Лумивер-00x"));
    EXPECT_TRUE(About().ProductName->text().endsWith(QLatin1Char('x')));
}

// The About box says in its own words what it is and where its documentation
// is. Without a real address a link label is plain text: no link, no hand cursor, a click opens
// nothing.
TEST_F(HelpTest, AboutBoxShowsTheProgramsOwnTextsAndNoAddressIsALink)
{
    mainwindow::TAboutBox& box = About();
    QStringList texts;
    for (const QLabel* label : box.findChildren<QLabel*>())
        texts << label->text();
    const QString all = texts.join(u'\n');
    for (const char* placeholder :
         {"example.org", "название организации", "Почтовый адрес", "Изготовитель"})
        EXPECT_FALSE(all.contains(QString::fromUtf8(placeholder))) << placeholder;
    EXPECT_TRUE(box.NameLabel->text().contains(QStringLiteral("Лумивер-00x")));
    EXPECT_TRUE(box.NameLabel->text().contains(QStringLiteral("рограмм")));
    EXPECT_TRUE(all.contains(QStringLiteral("README")));
    for (QLabel* link : {box.WebSiteLabel, box.MailToLabel}) {
        SCOPED_TRACE(link->objectName().toStdString());
        EXPECT_FALSE(link->text().isEmpty());
        EXPECT_EQ(link->textFormat(), Qt::PlainText);
        EXPECT_FALSE(link->text().contains(QStringLiteral("<a")));
        EXPECT_NE(link->cursor().shape(), Qt::PointingHandCursor);
        QTest::mouseClick(link, Qt::LeftButton);
    }
    EXPECT_TRUE(desktop.openedAddresses.isEmpty());
}

TEST_F(HelpTest, AboutBoxLinksWithARealAddressOpenThroughTheDesktop)
{
    mainwindow::TAboutBox::TTexts texts = mainwindow::TAboutBox::ProgramTexts();
    texts.webSite = {QStringLiteral("сайт"), QStringLiteral("https://lumiver.test/")};
    texts.mail = {QStringLiteral("почта"), QStringLiteral("mailto:desk@lumiver.test")};
    mainwindow::TAboutBox box(notifier, desktop, texts);
    for (QLabel* link : {box.WebSiteLabel, box.MailToLabel}) {
        EXPECT_EQ(link->textFormat(), Qt::RichText);
        EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    }
    EXPECT_TRUE(box.WebSiteLabel->text().contains(QStringLiteral(">сайт</a>")));
    emit box.WebSiteLabel->linkActivated(QStringLiteral("https://lumiver.test/"));
    emit box.MailToLabel->linkActivated(QStringLiteral("mailto:desk@lumiver.test"));
    EXPECT_EQ(desktop.openedAddresses,
              (QStringList{"https://lumiver.test/", "mailto:desk@lumiver.test"}));
    QTest::mouseDClick(box.Image1, Qt::LeftButton);
    EXPECT_EQ(notifier.boxes.size(), 1);
}

// Centred on the desktop, not on the main window, each time it opens.
TEST_F(HelpTest, AboutBoxOpensCentredOnTheDesktop)
{
    const QRect desk = form->screen()->availableGeometry();
    form->setGeometry(desk.left() + 10, desk.top() + 10, desk.width() / 3, desk.height() / 3);
    std::vector<QPoint> centres;
    desktop.onModal = [&](QDialog& dialog) {
        dialog.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        centres.push_back(dialog.frameGeometry().center());
        dialog.hide();
        return 0;
    };
    for (int time = 0; time < 2; ++time)
        form->Actn(QStringLiteral("AboutActn")).Execute();
    ASSERT_EQ(centres.size(), 2u);
    for (const QPoint centre : centres) {
        EXPECT_LE(std::abs(centre.x() - desk.center().x()), 2) << centre.x();
        EXPECT_LE(std::abs(centre.y() - desk.center().y()), 2) << centre.y();
    }
}

TEST_F(HelpTest, PictureItemsPutTheCurrentChartOnTheClipboard)
{
    form->ConfigureForDevice(1);
    QTabWidget& tabs = Named<QTabWidget>(*form, QStringLiteral("PageControl1"));
    tabs.setCurrentIndex(4);
    mainwindow::TChart* chart = form->GetCurrentChart();
    ASSERT_NE(chart, nullptr);
    for (const char* item : {"asBitMap1", "WMF1", "EMF1"}) {
        QGuiApplication::clipboard()->clear();
        Named<QAction>(*form, QString::fromLatin1(item)).trigger();
        const QImage picture = QGuiApplication::clipboard()->image();
        EXPECT_EQ(picture.size(), chart->size());
        int drawn = 0;
        for (int y = 0; y < picture.height(); ++y)
            for (int x = 0; x < picture.width(); ++x)
                drawn += picture.pixel(x, y) != picture.pixel(0, 0);
        EXPECT_GT(drawn, 100) << "the axes are drawn";
    }
    tabs.setCurrentIndex(5);
    QGuiApplication::clipboard()->clear();
    Named<QAction>(*form, QStringLiteral("asBitMap1")).trigger();
    EXPECT_TRUE(QGuiApplication::clipboard()->image().isNull()) << "no chart, no picture";
}

}
}
