#include "common/errors.h"
#include "instrument_frames.h"
#include "link/frame_bytes.h"
#include "link/frame_parser.h"
#include "link/instrument_link.h"
#include "payload_writer.h"
#include "sim_instrument.h"
#include "support/fake_notifier.h"
#include "support/pty_instrument.h"

#include <QTest>
#include <QTimer>
#include <cmath>
#include <gtest/gtest.h>

namespace lmv::lmvsim {
namespace {

using test::Bytes;

std::vector<link::TRxFrame> GoodFrames(const std::vector<uint8_t>& bytes)
{
    link::TFrameParser parser;
    std::vector<link::TRxFrame> frames;
    int pos = 0;
    while (pos < int(bytes.size())) {
        link::TFrameResult result;
        pos += parser.Scan(bytes.data() + pos, int(bytes.size()) - pos, result);
        EXPECT_NE(result, link::TFrameResult::Bad);
        if (result == link::TFrameResult::Good) {
            frames.emplace_back();
            parser.CopyFrame(frames.back());
        }
    }
    return frames;
}

TEST(MeasurementFrameBytes, LaysOutEveryFieldOfTheMeasurement)
{
    TMeasurement reading;
    reading.value = 3.1415927;
    reading.decimalsIndex = 1;
    reading.unitIndex = 3;
    reading.channel = 2;
    reading.label = "pH";
    reading.runSeconds = 7;
    reading.runMinutes = 5;
    reading.deviceType = 13;
    EXPECT_EQ(MeasurementFrameBytes(reading),
              Bytes("A5 0E D2 40 49 0F DB 23 02 70 48 20 20 07 05 0D B2"));
}

TEST(MeasurementFrameBytes, FieldOutsideItsBitsIsARangeError)
{
    const std::vector<std::function<void(TMeasurement&)>> faults = {
        [](TMeasurement& m) { m.decimalsIndex = 8; }, [](TMeasurement& m) { m.unitIndex = 32; },
        [](TMeasurement& m) { m.channel = 256; },     [](TMeasurement& m) { m.deviceType = -1; },
        [](TMeasurement& m) { m.runMinutes = 300; },
    };
    for (size_t i = 0; i < faults.size(); ++i) {
        TMeasurement reading;
        faults[i](reading);
        EXPECT_THROW(MeasurementFrameBytes(reading), common::RangeError) << i;
    }
}

TEST(TPayloadWriter, WritesTheInstrumentsEncodings)
{
    TPayloadWriter writer;
    writer.Byte(0xFF).LittleEndianWord(0x1234).BigEndianFloat(-2.0).FixedText("ab", 4).FixedText(
        "xyz", 2);
    EXPECT_EQ(writer.Bytes(), Bytes("FF 34 12 C0 00 00 00 61 62 00 00 78 79"));
    EXPECT_THROW(writer.LittleEndianWord(65536), common::RangeError);
}

TEST(TSimInstrument, BurstHoldsOneValidMeasurementFramePerChannel)
{
    const TSimInstrument sim({.deviceType = 41, .channels = 4});
    const std::vector<link::TRxFrame> frames = GoodFrames(sim.MeasurementBurst(75.5));
    ASSERT_EQ(frames.size(), 4u);
    for (int channel = 0; channel < 4; ++channel) {
        const link::TRxFrame& frame = frames[size_t(channel)];
        EXPECT_EQ(frame.code(), link::MeasurementFrame);
        EXPECT_EQ(frame.length, 14);
        EXPECT_EQ(frame.bytes[8], channel);
        EXPECT_EQ(frame.bytes[13], 15);  // run time 1:15
        EXPECT_EQ(frame.bytes[14], 1);
        EXPECT_EQ(frame.bytes[15], 41);
        EXPECT_LE(frame.bytes[7] & 0x1F, 14);  // a unit the program knows
    }
    EXPECT_EQ(frames[1].bytes[7] & 0x1F, 5);  // channel 1 reads the temperature
}

TEST(TSimInstrument, ValuesChangeSmoothly)
{
    const TSimInstrument sim({});
    double previous = sim.Reading(0, 0).value;
    double lowest = previous;
    double highest = previous;
    for (double t = 0.5; t < 120; t += 0.5) {
        const double value = sim.Reading(0, t).value;
        EXPECT_LT(std::abs(value - previous), 0.2) << t;
        lowest = std::min(lowest, value);
        highest = std::max(highest, value);
        previous = value;
    }
    EXPECT_GT(highest - lowest, 3.0);
}

TEST(TSimInstrument, BadSettingsAreRejected)
{
    EXPECT_THROW(TSimInstrument({.deviceType = 3, .channels = 0}), common::RangeError);
    EXPECT_THROW(TSimInstrument({.deviceType = 3, .channels = 5}), common::RangeError);
    EXPECT_THROW(TSimInstrument({.deviceType = 256, .channels = 1}), common::RangeError);
}

struct RequestCase {
    const char* name;
    std::vector<std::vector<uint8_t>> chunks;
    std::vector<uint8_t> answer;
};

TEST(TSimInstrument, AnswersTheClockRequests)
{
    const QDateTime now(QDate(2025, 3, 10), QTime(12, 45, 30));
    const RequestCase cases[] = {
        {"clock request", {Bytes("A5 01 DC 78")}, Bytes("A5 07 DC 1E 2D 0C 0A 03 19 51")},
        {"clock request split",
         {Bytes("00 A5 01"), Bytes("DC"), Bytes("78")},
         Bytes("A5 07 DC 1E 2D 0C 0A 03 19 51")},
        {"set clock",
         {link::EncodeFrame(link::SetClockFrame, Bytes("1E 2D 0C 0A 03 19"))},
         Bytes("A5 01 DD 79")},
        {"wrong check byte", {Bytes("A5 01 DC 79")}, {}},
        {"key command needs no answer", {Bytes("A5 01 D8 7C")}, {}},
    };
    for (const RequestCase& c : cases) {
        TSimInstrument sim({});
        std::vector<uint8_t> answers;
        for (const auto& chunk : c.chunks) {
            const std::vector<uint8_t> part = sim.Receive(chunk.data(), int(chunk.size()), now);
            answers.insert(answers.end(), part.begin(), part.end());
        }
        EXPECT_EQ(answers, c.answer) << c.name;
    }
}

TEST(TSimInstrument, ProgramReadsTheSimulatedClockOverTheSerialPath)
{
    test::PtyInstrument terminal;
    ASSERT_TRUE(terminal.Open());
    test::FakeNotifier notifier;
    link::TInstrumentLink link(notifier);
    link.Driver().SetDevicePath(terminal.DevicePath());
    ASSERT_TRUE(link.Connect());
    TSimInstrument sim({});
    const QDateTime now(QDate(2031, 12, 31), QTime(23, 59, 58));
    QTimer instrumentSide;
    QObject::connect(&instrumentSide, &QTimer::timeout, [&] {
        const QByteArray got = terminal.ReadAvailable(0);
        const auto* data = reinterpret_cast<const uint8_t*>(got.constData());
        terminal.Write(test::ByteArray(sim.Receive(data, int(got.size()), now)));
        terminal.Write(test::ByteArray(sim.MeasurementBurst(1.0)));
    });
    instrumentSide.start(10);
    const std::optional<link::TRxFrame> answer = link.Request(link::GetClockFrame, 1);
    ASSERT_TRUE(answer.has_value());
    EXPECT_EQ(std::vector<int>(answer->bytes.begin() + 3, answer->bytes.begin() + 9),
              (std::vector{58, 59, 23, 31, 12, 31}));
    EXPECT_EQ(notifier.beeps, 0);
}

}
}
