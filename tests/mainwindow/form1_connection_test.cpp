// The port chooser and the connect button: bad texts, ports that do not open, a pseudo-terminal
// instrument that sends, closes, and goes away.
#include "form1_fixture.h"

#include "link/frame_codec.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "support/param_name.h"
#include "support/pty_instrument.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QThread>
#include <QToolButton>
#include <functional>

namespace lmv::test {
namespace {

const QColor White(255, 255, 255);
const QColor Lime(0, 255, 0);
const QColor Red(255, 0, 0);

bool WaitFor(const std::function<bool()>& condition, int timeoutMs = 3000)
{
    QElapsedTimer clock;
    clock.start();
    while (!condition()) {
        if (clock.elapsed() > timeoutMs)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

QByteArray ClockAnswerFrame()
{
    const std::vector<uint8_t> frame = link::EncodeFrame(link::GetClockFrame, {});
    return QByteArray(reinterpret_cast<const char*>(frame.data()), qsizetype(frame.size()));
}

class BadPortTextTest : public Form1Test, public ::testing::WithParamInterface<const char*> {};

TEST_P(BadPortTextTest, IsErrorComNumberAndChangesNothing)
{
    mainwindow::TForm1& window = Form();
    window.ComboBox1->setEditText(QString::fromUtf8(GetParam()));
    window.Actn(QStringLiteral("ConnectActn")).Execute();
    EXPECT_EQ(notifier.boxes, QStringList({"Error COM number"}));
    EXPECT_EQ(notifier.icons.front(), common::BoxIcon::Error);
    EXPECT_EQ(notifier.beeps, 0);
    EXPECT_TRUE(window.ComboBox1->isEnabled());
    EXPECT_FALSE(window.Link().Connected());
    EXPECT_EQ(window.ComboBox1->currentText(), QString::fromUtf8(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Texts, BadPortTextTest,
                         ::testing::Values("COM??", "COM", "", "COM0", "COM257", "COM-1", "COM1x",
                                           "COM 1 ", "COM1.5", "ttyLMV0"),
                         lmv::test::PrintedName());

class UnopenablePortTest : public Form1Test, public ::testing::WithParamInterface<const char*> {};

TEST_P(UnopenablePortTest, BeepsAndLeavesTheChooserEnabledAndTheLampWhite)
{
    mainwindow::TForm1& window = Form();
    window.ComboBox1->setEditText(QString::fromUtf8(GetParam()));
    window.Actn(QStringLiteral("ConnectActn")).Execute();
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_TRUE(window.ComboBox1->isEnabled());
    EXPECT_EQ(window.Shape1->BrushColor(), White);
    EXPECT_FALSE(window.Link().Connected());
}

INSTANTIATE_TEST_SUITE_P(Ports, UnopenablePortTest,
                         ::testing::Values("COM256", "/dev/lmv-no-such-device"),
                         lmv::test::PrintedName());

TEST_F(Form1Test, ListedPortNameOpensItsDevice)
{
    listedPorts = {{QStringLiteral("ttyLMV0"), QStringLiteral("/dev/lmv-no-such-device")}};
    Form().ComboBox1->setEditText(QStringLiteral("ttyLMV0"));
    Form().ConnectActnExecute();
    EXPECT_EQ(Form().Link().Driver().DevicePath(), QStringLiteral("/dev/lmv-no-such-device"));
}

TEST_F(Form1Test, ComNumberOpensItsSerialDevice)
{
    Form().ComboBox1->setEditText(QStringLiteral("XYZ7"));
    Form().ConnectActnExecute();
    EXPECT_EQ(Form().Link().Driver().ComPort(), 6);
    EXPECT_TRUE(Form().Link().Driver().DevicePath().isEmpty());
}

TEST_F(Form1Test, OpeningTheListReadsThePortsSortedByNameAndKeepsTheTypedText)
{
    listedPorts = {{QStringLiteral("ttyUSB10"), {}},
                   {QStringLiteral("ttyS0"), {}},
                   {QStringLiteral("ttyUSB2"), {}},
                   {QStringLiteral("ttyusb1"), {}}};
    Form().ComboBox1->setEditText(QStringLiteral("/dev/pts/7"));
    Form().ComboBox1->showPopup();
    Form().ComboBox1->hidePopup();
    QStringList items;
    for (int i = 0; i < Form().ComboBox1->count(); ++i)
        items << Form().ComboBox1->itemText(i);
    EXPECT_EQ(items, QStringList({"ttyS0", "ttyusb1", "ttyUSB10", "ttyUSB2"}));
    EXPECT_EQ(Form().ComboBox1->currentText(), QStringLiteral("/dev/pts/7"));

    listedPorts.clear();
    Form().ComboBox1->showPopup();
    Form().ComboBox1->hidePopup();
    EXPECT_EQ(Form().ComboBox1->count(), 0) << "the list is read afresh";
}

class PtyConnectionTest : public Form1Test {
protected:
    void Connect()
    {
        ASSERT_TRUE(instrument.Open());
        Form().ComboBox1->setEditText(instrument.DevicePath());
        Form().Button1->click();
        ASSERT_TRUE(Form().Link().Connected());
    }

    PtyInstrument instrument;
};

TEST_F(PtyConnectionTest, OpensReceivesAndCloses)
{
    mainwindow::TForm1& window = Form();
    Connect();
    EXPECT_FALSE(window.ComboBox1->isEnabled());
    EXPECT_EQ(window.Shape1->BrushColor(), White) << "white until the first good frame";
    EXPECT_TRUE(instrument.ReadAvailable(100).isEmpty()) << "opening sends nothing";

    ASSERT_TRUE(instrument.Write(ClockAnswerFrame()));
    ASSERT_TRUE(WaitFor([&] { return window.Shape1->BrushColor() == Lime; }));
    EXPECT_TRUE(window.ConnectPanel->text().isEmpty());
    window.Actn(QStringLiteral("StartStopActn")).Update();
    EXPECT_TRUE(window.Actn(QStringLiteral("StartStopActn")).Enabled())
        << "an instrument is sending";

    ASSERT_TRUE(instrument.Write(ClockAnswerFrame()));
    ASSERT_TRUE(WaitFor([&] { return window.Shape1->BrushColor() == Red; }));

    window.Button1->click();
    EXPECT_FALSE(window.Link().Connected());
    EXPECT_TRUE(window.ComboBox1->isEnabled());
    EXPECT_EQ(window.Shape1->BrushColor(), White);
    EXPECT_EQ(window.ConnectPanel->text(), QStringLiteral("Прибор не подключен"));
    window.Actn(QStringLiteral("StartStopActn")).Update();
    EXPECT_FALSE(window.Actn(QStringLiteral("StartStopActn")).Enabled());
    EXPECT_EQ(notifier.beeps, 0);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(PtyConnectionTest, SecondOpenOfTheSameDeviceBeeps)
{
    Connect();
    FakeNotifier other;
    mainwindow::TForm1 second(other, store, desktop, Options());
    second.ComboBox1->setEditText(instrument.DevicePath());
    second.ConnectActnExecute();
    EXPECT_EQ(other.beeps, 1);
    EXPECT_TRUE(second.ComboBox1->isEnabled());
}

TEST_F(PtyConnectionTest, DeviceGoneClosesLikeTheButtonWithOneBeep)
{
    mainwindow::TForm1& window = Form();
    Connect();
    ASSERT_TRUE(instrument.Write(ClockAnswerFrame()));
    ASSERT_TRUE(WaitFor([&] { return window.Shape1->BrushColor() == Lime; }));

    instrument.CloseMaster();
    ASSERT_TRUE(WaitFor([&] { return window.ComboBox1->isEnabled(); }));
    WaitFor([] { return false; }, 300);
    EXPECT_FALSE(window.Link().Connected());
    EXPECT_EQ(window.Shape1->BrushColor(), White);
    EXPECT_EQ(window.ConnectPanel->text(), QStringLiteral("Прибор не подключен"));
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

}
}
