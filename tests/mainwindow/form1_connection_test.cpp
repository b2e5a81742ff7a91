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

// The connection's controls on ToolBar2 and the panel over the pages.
class Form1ConnectionTest : public Form1Test {
protected:
    static mainwindow::TPortComboBox& Chooser(mainwindow::TForm1& window)
    {
        return Named<mainwindow::TPortComboBox>(window, QStringLiteral("ComboBox1"));
    }
    mainwindow::TPortComboBox& Chooser() { return Chooser(Form()); }
    static QColor LampColor(mainwindow::TForm1& window)
    {
        return Named<mainwindow::TLampShape>(window, QStringLiteral("Shape1")).BrushColor();
    }
    QToolButton& ConnectButton() { return Named<QToolButton>(Form(), QStringLiteral("Button1")); }
    QString PanelText() { return Named<QLabel>(Form(), QStringLiteral("ConnectPanel")).text(); }
};

class BadPortTextTest : public Form1ConnectionTest,
                        public ::testing::WithParamInterface<const char*> {};

TEST_P(BadPortTextTest, IsErrorComNumberAndChangesNothing)
{
    mainwindow::TForm1& window = Form();
    Chooser().setEditText(QString::fromUtf8(GetParam()));
    window.Actn(QStringLiteral("ConnectActn")).Execute();
    EXPECT_EQ(notifier.boxes, QStringList({"Error COM number"}));
    EXPECT_EQ(notifier.icons.front(), common::BoxIcon::Error);
    EXPECT_EQ(notifier.beeps, 0);
    EXPECT_TRUE(Chooser().isEnabled());
    EXPECT_FALSE(window.Link().Connected());
    EXPECT_EQ(Chooser().currentText(), QString::fromUtf8(GetParam()));
}

INSTANTIATE_TEST_SUITE_P(Texts, BadPortTextTest,
                         ::testing::Values("COM??", "COM", "", "COM0", "COM257", "COM-1", "COM1x",
                                           "COM 1 ", "COM1.5", "ttyLMV0"),
                         lmv::test::PrintedName());

class UnopenablePortTest : public Form1ConnectionTest,
                           public ::testing::WithParamInterface<const char*> {};

TEST_P(UnopenablePortTest, BeepsAndLeavesTheChooserEnabledAndTheLampWhite)
{
    mainwindow::TForm1& window = Form();
    Chooser().setEditText(QString::fromUtf8(GetParam()));
    window.Actn(QStringLiteral("ConnectActn")).Execute();
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_TRUE(Chooser().isEnabled());
    EXPECT_EQ(LampColor(window), White);
    EXPECT_FALSE(window.Link().Connected());
}

INSTANTIATE_TEST_SUITE_P(Ports, UnopenablePortTest,
                         ::testing::Values("COM256", "/dev/lmv-no-such-device"),
                         lmv::test::PrintedName());

TEST_F(Form1ConnectionTest, ListedPortNameOpensItsDevice)
{
    listedPorts = {{QStringLiteral("ttyLMV0"), QStringLiteral("/dev/lmv-no-such-device")}};
    Chooser().setEditText(QStringLiteral("ttyLMV0"));
    Form().Actn(QStringLiteral("ConnectActn")).Execute();
    EXPECT_EQ(Form().Link().Driver().DevicePath(), QStringLiteral("/dev/lmv-no-such-device"));
}

TEST_F(Form1ConnectionTest, ComNumberOpensItsSerialDevice)
{
    Chooser().setEditText(QStringLiteral("XYZ7"));
    Form().Actn(QStringLiteral("ConnectActn")).Execute();
    EXPECT_EQ(Form().Link().Driver().ComPort(), 6);
    EXPECT_TRUE(Form().Link().Driver().DevicePath().isEmpty());
}

TEST_F(Form1ConnectionTest, OpeningTheListReadsThePortsSortedByNameAndKeepsTheTypedText)
{
    listedPorts = {{QStringLiteral("ttyUSB10"), {}},
                   {QStringLiteral("ttyS0"), {}},
                   {QStringLiteral("ttyUSB2"), {}},
                   {QStringLiteral("ttyusb1"), {}}};
    Chooser().setEditText(QStringLiteral("/dev/pts/7"));
    Chooser().showPopup();
    Chooser().hidePopup();
    QStringList items;
    for (int i = 0; i < Chooser().count(); ++i)
        items << Chooser().itemText(i);
    EXPECT_EQ(items, QStringList({"ttyS0", "ttyusb1", "ttyUSB10", "ttyUSB2"}));
    EXPECT_EQ(Chooser().currentText(), QStringLiteral("/dev/pts/7"));

    listedPorts.clear();
    Chooser().showPopup();
    Chooser().hidePopup();
    EXPECT_EQ(Chooser().count(), 0) << "the list is read afresh";
}

class PtyConnectionTest : public Form1ConnectionTest {
protected:
    void Connect()
    {
        ASSERT_TRUE(instrument.Open());
        Chooser().setEditText(instrument.DevicePath());
        ConnectButton().click();
        ASSERT_TRUE(Form().Link().Connected());
    }

    PtyInstrument instrument;
};

TEST_F(PtyConnectionTest, OpensReceivesAndCloses)
{
    mainwindow::TForm1& window = Form();
    Connect();
    EXPECT_FALSE(Chooser().isEnabled());
    EXPECT_EQ(LampColor(window), White) << "white until the first good frame";
    EXPECT_TRUE(instrument.ReadAvailable(100).isEmpty()) << "opening sends nothing";

    ASSERT_TRUE(instrument.Write(ClockAnswerFrame()));
    ASSERT_TRUE(WaitFor([&] { return LampColor(window) == Lime; }));
    EXPECT_TRUE(PanelText().isEmpty());
    window.Actn(QStringLiteral("StartStopActn")).Update();
    EXPECT_TRUE(window.Actn(QStringLiteral("StartStopActn")).Enabled())
        << "an instrument is sending";

    ASSERT_TRUE(instrument.Write(ClockAnswerFrame()));
    ASSERT_TRUE(WaitFor([&] { return LampColor(window) == Red; }));

    ConnectButton().click();
    EXPECT_FALSE(window.Link().Connected());
    EXPECT_TRUE(Chooser().isEnabled());
    EXPECT_EQ(LampColor(window), White);
    EXPECT_EQ(PanelText(), QStringLiteral("Прибор не подключен"));
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
    Chooser(second).setEditText(instrument.DevicePath());
    second.Actn(QStringLiteral("ConnectActn")).Execute();
    EXPECT_EQ(other.beeps, 1);
    EXPECT_TRUE(Chooser(second).isEnabled());
}

TEST_F(PtyConnectionTest, DeviceGoneClosesLikeTheButtonWithOneBeep)
{
    mainwindow::TForm1& window = Form();
    Connect();
    ASSERT_TRUE(instrument.Write(ClockAnswerFrame()));
    ASSERT_TRUE(WaitFor([&] { return LampColor(window) == Lime; }));

    instrument.CloseMaster();
    ASSERT_TRUE(WaitFor([&] { return Chooser().isEnabled(); }));
    WaitFor([] { return false; }, 300);
    EXPECT_FALSE(window.Link().Connected());
    EXPECT_EQ(LampColor(window), White);
    EXPECT_EQ(PanelText(), QStringLiteral("Прибор не подключен"));
    EXPECT_EQ(notifier.beeps, 1);
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

}
}
