// The scale fields applied to Chart1, and what closing the window does with a running recording.
#include "form1_fixture.h"
#include "instrument_on_line.h"

#include "common/errors.h"
#include "mainwindow/action.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/widgets/lamp_shape.h"

#include <QLineEdit>

#include <ostream>

namespace lmv::test {
namespace {

struct ScaleCase {
    const char* name;
    const char* y;
    const char* dy;
    const char* box;  // "" none
    const char* yAfter;
    const char* dyAfter;
    double minimum;
    double maximum;
};

void PrintTo(const ScaleCase& c, std::ostream* out) { *out << c.name; }

class ApplyScaleTest : public Form1Test, public ::testing::WithParamInterface<ScaleCase> {};

TEST_P(ApplyScaleTest, FieldsSetTheLeftAxisOrAreRewrittenFromIt)
{
    const ScaleCase& c = GetParam();
    QLineEdit& y = Named<QLineEdit>(Form(), QStringLiteral("Edit2"));
    QLineEdit& dy = Named<QLineEdit>(Form(), QStringLiteral("Edit1"));
    mainwindow::TChart& chart = Named<mainwindow::TChart>(Form(), QStringLiteral("Chart1"));
    y.setText(QString::fromUtf8(c.y));
    dy.setText(QString::fromUtf8(c.dy));
    Form().ApplyScale(chart);
    EXPECT_EQ(notifier.boxes, *c.box ? QStringList({QString::fromUtf8(c.box)}) : QStringList());
    EXPECT_EQ(y.text(), QString::fromUtf8(c.yAfter));
    EXPECT_EQ(dy.text(), QString::fromUtf8(c.dyAfter));
    EXPECT_EQ(chart.LeftAxis().Minimum(), c.minimum);
    EXPECT_EQ(chart.LeftAxis().Maximum(), c.maximum);
}

INSTANTIATE_TEST_SUITE_P(
    Fields, ApplyScaleTest,
    ::testing::Values(
        ScaleCase{"Commas", "1,5", "0,5", "", "1.5", "0.5", 1, 2},
        ScaleCase{"Reversed", "0", "-10", "", "0", "-10", -10, 10},
        ScaleCase{"LettersInY", "abc", "1", "Ошибка ввода Y", "0.00", "1", -4000, 4000},
        ScaleCase{"LettersInDY", "0", "x", "Ошибка ввода dY", "0", "4000.00", -4000, 4000},
        ScaleCase{"Empty", "", "1", "Ошибка ввода Y", "0.00", "1", -4000, 4000}),
    [](const auto& info) { return std::string(info.param.name); });

enum class LampState { Lime, Red, Out };

struct CloseCase {
    const char* name;
    bool recording;
    LampState lamp;
    int stops;
};

void PrintTo(const CloseCase& c, std::ostream* out) { *out << c.name; }

class Form1CloseTest : public Form1Test {
protected:
    // A run started by the record action while an instrument sends.
    void StartRun()
    {
        line.SendBareFrame();
        ASSERT_TRUE(Form().Actn(QStringLiteral("StartStopActn")).Execute());
        ASSERT_TRUE(Form().Recording());
    }
    // Each frame of the instrument turns the lamp from lime to red or back; the port closed puts
    // it out.
    void SetLamp(LampState state)
    {
        if (state == LampState::Out) {
            line.Disconnect();
            return;
        }
        const QColor lit = state == LampState::Lime ? QColor(0, 255, 0) : QColor(255, 0, 0);
        for (int frame = 0; frame < 2 && Lamp().BrushColor() != lit; ++frame)
            line.SendBareFrame();
        ASSERT_EQ(Lamp().BrushColor(), lit);
    }

    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
};

class CloseWhileRecordingTest : public Form1CloseTest,
                                public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseWhileRecordingTest, StopsOnlyARecordingWithASendingInstrument)
{
    const CloseCase& c = GetParam();
    mainwindow::TForm1& window = Form();
    mainwindow::TAction& startStop = window.Actn(QStringLiteral("StartStopActn"));
    if (c.recording)
        StartRun();
    int stops = 0;
    startStop.SetOnExecute([&stops] { ++stops; });
    SetLamp(c.lamp);
    window.show();
    EXPECT_TRUE(window.close()) << "the close always goes ahead";
    EXPECT_EQ(stops, c.stops);
}

INSTANTIATE_TEST_SUITE_P(States, CloseWhileRecordingTest,
                         ::testing::Values(CloseCase{"IdleSending", false, LampState::Lime, 0},
                                           CloseCase{"RecordingSending", true, LampState::Red, 1},
                                           CloseCase{"RecordingLampWhite", true, LampState::Out,
                                                     0}),
                         [](const auto& info) { return std::string(info.param.name); });

// A stop that fails (its record file cannot be written) is shown, and the window still closes.
TEST_F(Form1CloseTest, AFailingStopIsShownAndTheCloseGoesAhead)
{
    mainwindow::TForm1& window = Form();
    mainwindow::TAction& startStop = window.Actn(QStringLiteral("StartStopActn"));
    StartRun();
    startStop.SetOnExecute([] { throw common::Error(QStringLiteral("Ошибка записи")); });
    window.show();
    bool closed = false;
    EXPECT_NO_THROW(closed = window.close());
    EXPECT_TRUE(closed);
    EXPECT_EQ(notifier.boxes, QStringList({"Ошибка записи"}));
}

}
}
