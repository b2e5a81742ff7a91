#include "common/errors.h"
#include "link/frame_bytes.h"
#include "link/serial_port_driver.h"
#include "support/pty_instrument.h"

#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace lmv::link {
namespace {

class SerialPortDriverTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(instrument.Open());
        driver.SetDevicePath(instrument.DevicePath());
        driver.OnReceiveData = [this](const uint8_t* data, int size) {
            chunks.push_back(size);
            received.append(reinterpret_cast<const char*>(data), size);
        };
    }

    bool ReceiveAtLeast(qsizetype count, int timeoutMs = 3000)
    {
        return QTest::qWaitFor([&] { return received.size() >= count; }, timeoutMs);
    }

    test::PtyInstrument instrument;  // declared first: the port closes before the terminal
    TSerialPortDriver driver;
    QByteArray received;
    std::vector<int> chunks;
};

TEST_F(SerialPortDriverTest, DefaultsAreThoseOfTheInstrumentLine)
{
    TSerialPortDriver fresh;
    EXPECT_EQ(fresh.ComPort(), 1);
    EXPECT_EQ(fresh.ComPortSpeed(), br9600);
    EXPECT_EQ(fresh.ComPortDataBits(), db8BITS);
    EXPECT_EQ(fresh.ComPortStopBits(), sb1BITS);
    EXPECT_EQ(fresh.ComPortParity(), ptNONE);
    EXPECT_EQ(fresh.ComPortHwHandshaking(), hhNONE);
    EXPECT_EQ(fresh.ComPortSwHandshaking(), shNONE);
    EXPECT_EQ(fresh.ComPortInBufSize(), 2048);
    EXPECT_EQ(fresh.ComPortOutBufSize(), 2048);
    EXPECT_EQ(fresh.ComPortPollingDelay(), 50);
    EXPECT_TRUE(fresh.EnableDTROnOpen);
    EXPECT_EQ(fresh.OutputTimeout, 4000);
    EXPECT_FALSE(fresh.Connected());
    EXPECT_EQ(fresh.OutFreeSpace(), 65535);
}

TEST(ComPortDevicePath, NamesSerialDevicesByComNumber)
{
    EXPECT_EQ(ComPortDevicePath(1), "/dev/ttyS0");
    EXPECT_EQ(ComPortDevicePath(10), "/dev/ttyS9");
    EXPECT_EQ(ComPortDevicePath(256), "/dev/ttyS255");
    for (const int bad : {0, -1, 257})
        EXPECT_THROW(ComPortDevicePath(bad), common::RangeError) << bad;
}

TEST(SerialPortDriverProperties, OutOfRangeValuesAreRejected)
{
    TSerialPortDriver driver;
    EXPECT_THROW(driver.SetComPort(-1), common::RangeError);
    EXPECT_THROW(driver.SetComPort(256), common::RangeError);
    EXPECT_THROW(driver.SetComPortInBufSize(0), common::RangeError);
    EXPECT_THROW(driver.SetComPortOutBufSize(65536), common::RangeError);
    EXPECT_THROW(driver.SetComPortPollingDelay(0), common::RangeError);
    EXPECT_THROW(driver.SetComPortSpeed(TComPortBaudRate(13)), common::RangeError);
    EXPECT_EQ(driver.ComPort(), 1);
    EXPECT_EQ(driver.ComPortInBufSize(), 2048);
    EXPECT_EQ(driver.ComPortPollingDelay(), 50);
    driver.SetComPort(255);
    EXPECT_EQ(driver.ComPort(), 255);
}

TEST_F(SerialPortDriverTest, ChunksOfAtMostTheInputSizeEachByteOnceInOrder)
{
    QByteArray sent;
    for (int i = 0; i < 5000; ++i)
        sent.append(char(i * 7 % 251));
    ASSERT_TRUE(driver.Connect());
    ASSERT_TRUE(instrument.Write(sent));
    ASSERT_TRUE(ReceiveAtLeast(sent.size()));
    EXPECT_EQ(received, sent);
    EXPECT_GE(chunks.size(), 3u);
    for (const int size : chunks)
        EXPECT_LE(size, 2048);
}

TEST_F(SerialPortDriverTest, SmallerInputSizeLimitsEachChunk)
{
    driver.SetComPortInBufSize(16);
    ASSERT_TRUE(driver.Connect());
    ASSERT_TRUE(instrument.Write(QByteArray(100, 'x')));
    ASSERT_TRUE(ReceiveAtLeast(100));
    EXPECT_EQ(received.size(), 100);
    for (const int size : chunks)
        EXPECT_LE(size, 16);
}

// A sender far faster than the polls drain: the bytes beyond the input queue stay in the
// terminal, and a frame sent after the flood arrives soon instead of behind the backlog.
TEST_F(SerialPortDriverTest, FloodStaysBelowTheInputQueueAndAFrameAfterItArrives)
{
    ASSERT_TRUE(driver.Connect());
    const QByteArray garbage(1 << 16, 'x');
    qsizetype offered = 0;
    int mostQueued = 0;
    QTimer flood;
    QObject::connect(&flood, &QTimer::timeout, [&] {
        offered += instrument.WriteWhatFits(garbage);
        mostQueued = std::max(mostQueued, driver.InQueueSize());
    });
    flood.start(1);
    QTest::qWait(1500);
    flood.stop();
    EXPECT_LE(mostQueued, driver.ComPortInBufSize());
    EXPECT_GT(received.size(), 10 * 2048);  // the polls went on draining
    EXPECT_GT(offered, received.size());  // the terminal held what the program did not take
    for (const int size : chunks)
        EXPECT_LE(size, 2048);

    const QByteArray frame = test::ByteArray(test::Bytes("A5 01 DC 78"));
    qsizetype sent = 0;  // the terminal takes the frame once the polls have made room
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return (sent += instrument.WriteWhatFits(frame.mid(sent))) == frame.size(); }, 3000));
    // Behind an unbounded backlog it would wait for tens of seconds.
    EXPECT_TRUE(QTest::qWaitFor([&] { return received.endsWith(frame); }, 5000));
}

TEST_F(SerialPortDriverTest, ConnectTwiceKeepsThePortAndItsQueues)
{
    ASSERT_TRUE(driver.Connect());
    ASSERT_TRUE(instrument.Write("abc"));
    QTest::qWait(20);
    EXPECT_TRUE(driver.Connect());
    ASSERT_TRUE(ReceiveAtLeast(3));
    EXPECT_EQ(received, "abc");
}

TEST_F(SerialPortDriverTest, MissingDeviceDoesNotOpen)
{
    driver.SetDevicePath("/dev/lmv-no-such-port");
    EXPECT_FALSE(driver.Connect());
    EXPECT_FALSE(driver.Connected());
    driver.Disconnect();
    EXPECT_FALSE(driver.Connected());
    driver.SetDevicePath(instrument.DevicePath());
    EXPECT_TRUE(driver.Connect());
}

TEST_F(SerialPortDriverTest, PortIsChosenOnlyWhileClosed)
{
    ASSERT_TRUE(driver.Connect());
    driver.SetComPort(6);
    driver.SetDevicePath("/dev/elsewhere");
    driver.SetComPortInBufSize(16);
    EXPECT_EQ(driver.ComPort(), 1);
    EXPECT_EQ(driver.DevicePath(), instrument.DevicePath());
    EXPECT_EQ(driver.ComPortInBufSize(), 2048);
    driver.Disconnect();
    driver.SetComPort(6);
    EXPECT_EQ(driver.ComPort(), 6);
    EXPECT_TRUE(driver.DevicePath().isEmpty());  // the COM number names the port again
}

TEST_F(SerialPortDriverTest, LineSettingWhileOpenPurgesUnpolledBytes)
{
    driver.SetComPortPollingDelay(60000);  // no poll until the setting is made
    ASSERT_TRUE(driver.Connect());
    ASSERT_TRUE(instrument.Write("lost"));
    QTest::qWait(100);
    driver.SetComPortSpeed(br19200);
    EXPECT_EQ(driver.ComPortSpeed(), br19200);
    driver.SetComPortPollingDelay(20);
    ASSERT_TRUE(instrument.Write("kept"));
    ASSERT_TRUE(ReceiveAtLeast(4));
    QTest::qWait(50);
    EXPECT_EQ(received, "kept");
}

TEST_F(SerialPortDriverTest, NewPollingDelayRestartsThePoll)
{
    ASSERT_TRUE(driver.Connect());
    driver.SetComPortPollingDelay(3000);
    EXPECT_EQ(driver.ComPortPollingDelay(), 3000);
    ASSERT_TRUE(instrument.Write("x"));
    QTest::qWait(400);
    EXPECT_TRUE(received.isEmpty());
    EXPECT_TRUE(ReceiveAtLeast(1, 6000));
    driver.SetComPortPollingDelay(20);
    ASSERT_TRUE(instrument.Write("y"));
    EXPECT_TRUE(ReceiveAtLeast(2, 1000));
}

TEST_F(SerialPortDriverTest, SamePollingDelayLeavesThePollRunning)
{
    driver.SetComPortPollingDelay(300);
    ASSERT_TRUE(driver.Connect());
    ASSERT_TRUE(instrument.Write("x"));
    QTest::qWait(200);
    driver.SetComPortPollingDelay(300);  // a restart here would push the first tick to 500 ms
    EXPECT_TRUE(ReceiveAtLeast(1, 250));
}

TEST_F(SerialPortDriverTest, SendDataWritesEveryByteOnceInOrder)
{
    std::vector<uint8_t> data(6000);
    for (size_t i = 0; i < data.size(); ++i)
        data[i] = uint8_t(i % 253);
    ASSERT_TRUE(driver.Connect());
    EXPECT_EQ(driver.SendData(data.data(), int(data.size())), int(data.size()));
    const QByteArray got = instrument.ReadAvailable(1000);
    EXPECT_EQ(got, test::ByteArray(data));
    EXPECT_EQ(driver.OutFreeSpace(), 2048);
}

TEST_F(SerialPortDriverTest, SendDataSendsNothingOnAClosedPortOrForNoBytes)
{
    const uint8_t byte = 0x55;
    EXPECT_EQ(driver.SendData(&byte, 1), 0);
    ASSERT_TRUE(driver.Connect());
    EXPECT_EQ(driver.SendData(&byte, 0), 0);
    EXPECT_EQ(driver.SendData(&byte, -3), 0);
    EXPECT_TRUE(instrument.ReadAvailable(100).isEmpty());
}

TEST_F(SerialPortDriverTest, SendDataToALineThatTakesNothingEndsAfterTheTimeout)
{
    ASSERT_TRUE(driver.Connect());
    driver.OutputTimeout = 200;
    std::vector<uint8_t> data(1 << 20, 0x41);  // more than the terminal buffers
    const int sent = driver.SendData(data.data(), int(data.size()));
    EXPECT_LT(sent, 0);
    EXPECT_GT(-sent, 0);
}

TEST_F(SerialPortDriverTest, ModemLinesCannotBeSetOnAPseudoTerminal)
{
    EXPECT_FALSE(driver.SetDTR(true));
    ASSERT_TRUE(driver.Connect());
    EXPECT_FALSE(driver.SetRTS(false));
    EXPECT_FALSE(driver.SetDTR(true));
    EXPECT_TRUE(driver.Connected());
    ASSERT_TRUE(instrument.Write("ok"));
    EXPECT_TRUE(ReceiveAtLeast(2));
}

TEST_F(SerialPortDriverTest, DeviceGoneClosesThePortOnceWithoutAStorm)
{
    QSignalSpy lost(&driver, &TSerialPortDriver::PortLost);
    ASSERT_TRUE(driver.Connect());
    instrument.CloseMaster();
    EXPECT_TRUE(QTest::qWaitFor([&] { return lost.count() > 0; }, 3000));
    QTest::qWait(200);
    EXPECT_EQ(lost.count(), 1);
    EXPECT_FALSE(driver.Connected());
    driver.Disconnect();
    EXPECT_EQ(lost.count(), 1);
}

}
}
