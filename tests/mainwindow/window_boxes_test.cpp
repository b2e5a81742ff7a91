// The program's boxes on the real desktop (message boxes, input boxes, file dialogs, the forms
// run modally): they open above the properties window, which stays on top of the other windows,
// and they are as wide as their captions, which a window manager cuts where they do not fit.
#include "connect_device.h"
#include "form1_fixture.h"
#include "shown_channels.h"

#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/chart/chart_mouse.h"
#include "mainwindow/message_box_notifier.h"
#include "mainwindow/rules/device_types.h"
#include "mainwindow/widgets/disc_form.h"
#include "mainwindow/widgets/prop_form.h"
#include "mainwindow/widgets/qt_desktop.h"

#include <QApplication>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QInputDialog>
#include <QMessageBox>
#include <QMouseEvent>
#include <QTabWidget>
#include <QTest>
#include <QTimer>
#include <functional>
#include <qcustomplot.h>

namespace lmv::test {
namespace {

// What a modal box was like when it was shown: answered at once, as a person would.
struct TShownBox {
    QString caption;
    QString className;
    int width = 0;
    bool aboveProps = false;
    bool aboveMain = false;
};

// Above `window` as the desktop stacks windows: itself a window that stays on top, or a window
// of it (the desktop keeps a box over the window it belongs to).
bool OpensAbove(const QWidget& box, const QWidget& window)
{
    if (box.windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        return true;
    for (const QWidget* parent = box.parentWidget(); parent; parent = parent->parentWidget())
        if (parent == &window)
            return true;
    return false;
}

class Form1BoxesTest : public Form1Test {
protected:
    Form1BoxesTest()
    {
        form = std::make_unique<mainwindow::TForm1>(boxes, store, qtDesktop, Options());
        boxes.SetParentWindow(form.get());
        qtDesktop.SetParentWindow(form.get());
        form->resize(mainwindow::TForm1::FormWidth, mainwindow::TForm1::FormHeight);
        form->show();
    }

    mainwindow::TPropForm& Props()
    {
        return Named<mainwindow::TPropForm>(*form, QStringLiteral("PropForm"));
    }
    mainwindow::TDiscForm& Disks()
    {
        return Named<mainwindow::TDiscForm>(*form, QStringLiteral("DiscForm"));
    }
    common::Notifier& Boxes() { return boxes; }

    // The properties window as a run's start shows it, and the run's first points on page 0.
    void StartRun()
    {
        ConnectDevice(*form, 3);
        form->NewRecord();
        ASSERT_TRUE(Props().isVisible());
        for (const model::TPoint& point : PeakCurve)
            form->AddPoint(0, point.X, point.Y);
    }

    // A drag over page 0's curve in the marking mode draws a peak, which then asks for its name.
    void DrawPeak()
    {
        auto& chart = Named<mainwindow::TChart>(*form, QStringLiteral("Chart1"));
        Named<QTabWidget>(*form, QStringLiteral("PageControl1")).setCurrentIndex(0);
        form->ChartZoom();
        chart.replot();
        Named<mainwindow::TChartMouse>(chart, QString()).SetPointerSource([this] {
            return pointer;
        });
        form->Actn(QStringLiteral("SetPeakBordersActn")).Execute();
        const int y = chart.axisRect()->rect().center().y();
        const auto send = [&](QEvent::Type type, Qt::MouseButton button, Qt::MouseButtons held,
                              double x) {
            pointer = QPoint(int(chart.xAxis->coordToPixel(x)), y);
            QMouseEvent event(type, pointer, chart.mapToGlobal(pointer), button, held,
                              Qt::NoModifier);
            QApplication::sendEvent(&chart, &event);
        };
        send(QEvent::MouseMove, Qt::NoButton, Qt::NoButton, 3.5);
        send(QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton, 3.5);
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 7.5);
        send(QEvent::MouseMove, Qt::NoButton, Qt::LeftButton, 11.5);
        send(QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton, 11.5);
    }

    // Runs `open`, which shows one modal box, and tells what that box was like.
    TShownBox Shown(const std::function<void()>& open)
    {
        TShownBox shown;
        QTimer poll;
        QObject::connect(&poll, &QTimer::timeout, [&] {
            QWidget* box = QApplication::activeModalWidget();
            if (!box || !box->isVisible())
                return;
            poll.stop();
            shown.caption = box->windowTitle();
            shown.className = QString::fromLatin1(box->metaObject()->className());
            shown.width = box->width();
            shown.aboveProps = OpensAbove(*box, Props());
            shown.aboveMain = OpensAbove(*box, *form);
            if (auto* dialog = qobject_cast<QDialog*>(box))
                dialog->reject();
            else
                box->close();
        });
        poll.start(10);
        open();
        return shown;
    }

    static inline const std::vector<model::TPoint> PeakCurve{
        {0, 10}, {1, 11}, {2, 12},  {3, 13},  {4, 14},  {5, 10},  {6, 11}, {7, 12},
        {8, 13}, {9, 14}, {10, 10}, {11, 11}, {12, 12}, {13, 13}, {14, 14}};

    mainwindow::TMessageBoxNotifier boxes;
    mainwindow::TQtDesktop qtDesktop;
    QPoint pointer;
};

// "Файл → Чтение с SD-карты" during a run: the box that no disk was found opened under the
// properties window, and the program took no input.
TEST_F(Form1BoxesTest, TheNoDiskBoxOfARunOpensAboveThePropertiesWindow)
{
    StartRun();
    const TShownBox shown = Shown([this] { form->Actn("OpenFlashBaseActn").Execute(); });
    EXPECT_EQ(shown.className, "QMessageBox");
    EXPECT_TRUE(shown.aboveProps);
}

TEST_F(Form1BoxesTest, EveryKindOfBoxOpensAboveThePropertiesWindow)
{
    StartRun();
    const std::vector<std::pair<const char*, std::function<void()>>> kinds{
        {"message box",
         [this] {
             Boxes().MessageBox(QStringLiteral("Удалить выделенное?"), common::BoxIcon::Question,
                                common::BoxButtons::YesNo);
         }},
        {"peak name box", [this] { DrawPeak(); }},
        {"save dialog", [this] { qtDesktop.SaveFileName({}); }},
        {"open dialog", [this] { qtDesktop.OpenFileNames({}, false); }},
        {"folder browser", [this] { qtDesktop.BrowseFolder(QString(), QString()); }},
        {"disk chooser", [this] { qtDesktop.ExecModal(Disks()); }},
        {"About box", [this] { form->Actn("AboutActn").Execute(); }},
    };
    for (const auto& [kind, open] : kinds) {
        const TShownBox shown = Shown(open);
        EXPECT_FALSE(shown.caption.isNull()) << kind << " was not shown";
        EXPECT_TRUE(shown.aboveProps) << kind;
        EXPECT_TRUE(shown.aboveMain) << kind;
    }
    EXPECT_FALSE(Disks().windowFlags().testFlag(Qt::WindowStaysOnTopHint))
        << "a form made beforehand stays on top only while it is open";
}

TEST_F(Form1BoxesTest, WithThePropertiesWindowClosedABoxOpensOverTheMainWindow)
{
    ASSERT_FALSE(Props().isVisible());
    const TShownBox shown = Shown([this] { form->Actn("OpenFlashBaseActn").Execute(); });
    EXPECT_TRUE(shown.aboveMain);
    EXPECT_FALSE(shown.aboveProps);
}

// The title bar's caption in a bold title font, beside an icon and three buttons.
int TitleBarWidth(const QString& caption)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + 4 * 24;
}

// "Введи… уиста", "Л001-3-... иономер": the boxes were narrower than their captions.
TEST_F(Form1BoxesTest, EveryBoxIsAsWideAsItsCaption)
{
    ShowChannels(*form, store, 1, {{0, PeakCurve}});
    form->setWindowTitle(mainwindow::DeviceTypeName(mainwindow::dtIonMeter3));
    const std::vector<std::pair<const char*, std::function<void()>>> kinds{
        {"message box", [this] { Boxes().MessageBox(QStringLiteral("Range check error")); }},
        {"question",
         [this] {
             Boxes().MessageBox(QStringLiteral("Удалить выделенное?"), common::BoxIcon::Question,
                                common::BoxButtons::YesNo);
         }},
        {"peak name box", [this] { DrawPeak(); }},
        {"threshold box", [this] { form->Actn("PeakAutoSearchActn").Execute(); }},
        {"disk chooser", [this] { qtDesktop.ExecModal(Disks()); }},
        {"About box", [this] { form->Actn("AboutActn").Execute(); }},
    };
    for (const auto& [kind, open] : kinds) {
        const TShownBox shown = Shown(open);
        ASSERT_FALSE(shown.caption.isEmpty()) << kind;
        EXPECT_GE(shown.width, TitleBarWidth(shown.caption))
            << kind << ": " << shown.caption.toStdString();
    }
}

}
}
