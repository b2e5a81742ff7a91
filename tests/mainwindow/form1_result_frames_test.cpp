// The instrument's result rows, start and stop on the real window: the store action with its
// enabled state and stamps, the record action with its lamp and the titration device's question.
#include "connect_device.h"
#include "form1_fixture.h"
#include "instrument_on_line.h"
#include "named_child.h"

#include "common/cp1251_codec.h"
#include "instrument_frames.h"
#include "link/instrument_link.h"
#include "mainwindow/action.h"
#include "mainwindow/widgets/prop_form.h"
#include "sim_channels.h"
#include "store/qt_printers.h"

#include <QColor>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>

namespace lmv::test {
namespace {

link::TRxFrame Rx(const std::vector<uint8_t>& bytes)
{
    link::TRxFrame frame;
    std::copy(bytes.begin(), bytes.end() - 1, frame.bytes.begin());
    frame.length = bytes[1];
    return frame;
}

class Form1ResultFramesTest : public Form1Test {
protected:
    // A frame of the instrument lights the lamp.
    void LampOn() { line.SendBareFrame(); }
    mainwindow::TPropForm& Props() { return Named<mainwindow::TPropForm>(Form(), "PropForm"); }
    void Soil(int position, int sample)
    {
        line.Send(
            lmvsim::SoilAnalysisBytes({position, sample, 0, 0, {1.23, 0, 0, 0}, {76.4, 0, 0, 0}}));
    }
    void Replicate(int position, int sample, int value)
    {
        line.Send(lmvsim::ReplicateResultBytes({position, sample, false, value}));
    }
    const QString Question =
        QStringLiteral("Для остановки процесса титрования используйте меню прибора.\r"
                       "Принудительно закончить регистрацию и удалить текущую запись?");
    InstrumentOnLine line{[this]() -> mainwindow::TForm1& { return Form(); }};
};

TEST_F(Form1ResultFramesTest, SoilRowIsStoredWithoutStampAndTheFlagIsDropped)
{
    Soil(0, 5);
    const mainwindow::TReadingsTable& table = Form().ReadingsTable();
    EXPECT_EQ(table.ColumnCount(), 15);
    EXPECT_EQ(table.LiveRow(), 2);
    EXPECT_EQ(table.Row(1).mid(0, 5), QStringList({"1", "5", "грунт", "1.2", "76"}));
    EXPECT_EQ(table.Cell(7, 1), "0.0") << "the NH4 cell, not a stamp";
    EXPECT_FALSE(Form().Link().RowFromFrame);
}

TEST_F(Form1ResultFramesTest, ReplicateRowGetsItsStampOutsideTheLayout)
{
    Replicate(0, 7, 120);
    Replicate(1, 7, 130);
    const mainwindow::TReadingsTable& table = Form().ReadingsTable();
    EXPECT_EQ(table.ColumnCount(), 6);
    EXPECT_EQ(table.Row(1), QStringList({"1", "7", "Моча", "120", "130", ""}));
    EXPECT_EQ(table.LiveRow(), 2);
}

TEST_F(Form1ResultFramesTest, StartAndStopNeedTheLampAndRunOnlyInTheirState)
{
    Form().Measurements().OnStartFrame({});
    EXPECT_FALSE(Form().Recording()) << "no instrument sending";
    LampOn();
    Form().Measurements().OnStopFrame({});
    EXPECT_FALSE(Form().Recording());
    Form().Measurements().OnStartFrame({});
    ASSERT_TRUE(Form().Recording());
    const QString fileName = store.LiveFileName();
    Form().Measurements().OnStartFrame({});
    EXPECT_EQ(store.LiveFileName(), fileName) << "no second run";
    Form().Measurements().OnStopFrame({});
    EXPECT_FALSE(Form().Recording());
    EXPECT_TRUE(notifier.boxes.isEmpty());
}

TEST_F(Form1ResultFramesTest, TitrationStopByInstrumentAsksNothingAndKeepsTheRecord)
{
    LampOn();
    ConnectDevice(Form(), 41);
    Form().Measurements().OnStartFrame({});
    ASSERT_TRUE(Form().Recording());
    const QString fileName = store.LiveFileName();
    Form().Measurements().OnStopFrame({});
    EXPECT_FALSE(Form().Recording());
    EXPECT_FALSE(Form().StopByInstrument());
    EXPECT_TRUE(notifier.boxes.isEmpty());
    EXPECT_EQ(Form().AwaitingResultsFile(), fileName);

    // An idle stop frame leaves the operator's next stop asking its question.
    Form().Measurements().OnStopFrame({});
    Form().Measurements().OnStartFrame({});
    notifier.answers = {common::BoxAnswer::No};
    Form().Actn(QStringLiteral("StartStopActn")).Execute();
    EXPECT_EQ(notifier.boxes, QStringList{Question});
    EXPECT_TRUE(Form().Recording());
}

TEST_F(Form1ResultFramesTest, TitrationParamsFillTheirPageAndOnlyTheShownRecordsGrid)
{
    LampOn();
    Form().Measurements().OnStartFrame({});
    ASSERT_TRUE(Form().Recording());
    mainwindow::TPropForm& props = Props();
    props.TitleEdit->setText(QStringLiteral("typed"));
    lmvsim::TTitrationParamSet params;
    params.tipLevel = 0;
    params.ktt = 7.25;
    params.mode = 1;
    params.nm = 2;
    Form().Measurements().OnTitrationParamsFrame(Rx(lmvsim::TitrationParamsBytes(params)));

    EXPECT_EQ(Named<QLabel>(Form(), QStringLiteral("StaticText57")).text(), "7.250");
    EXPECT_EQ(Named<QLabel>(Form(), QStringLiteral("StaticText64")).text(), "3");
    EXPECT_EQ(Named<QLabel>(Form(), QStringLiteral("StaticText67")).text(), "0");
    EXPECT_TRUE(Named<QLabel>(Form(), QStringLiteral("StaticText54")).isHidden());
    EXPECT_TRUE(Named<QLabel>(Form(), QStringLiteral("StaticText63")).isHidden());
    EXPECT_EQ(Named<QLabel>(Form(), QStringLiteral("StaticText34")).text(), "ktt");
    EXPECT_EQ(Named<QLabel>(Form(), QStringLiteral("StaticText68")).text(), "source data");
    EXPECT_EQ(store.LiveRecord().Params.size(), 9u);
    ASSERT_EQ(props.PropGrid->rowCount(), 9);
    EXPECT_EQ(props.PropGrid->item(2, 0)->text(), "Точка эквивалентности");
    EXPECT_EQ(props.TitleEdit->text(), "typed") << "the operator's typing stays";

    params.tipLevel = 3;
    Form().Measurements().OnTitrationParamsFrame(Rx(lmvsim::TitrationParamsBytes(params)));
    EXPECT_FALSE(Named<QLabel>(Form(), QStringLiteral("StaticText54")).isHidden());
    EXPECT_EQ(props.PropGrid->rowCount(), 19) << "a second full set, with the ion";
}

TEST_F(Form1ResultFramesTest, FailedStopByInstrumentStillDropsTheFlag)
{
    LampOn();
    Form().Measurements().OnStartFrame({});
    ASSERT_TRUE(Form().Recording());
    // A file in the record folder's place: the final save fails.
    const QString dir = store.RecordDir().chopped(1);
    ASSERT_TRUE(QDir(dir).removeRecursively());
    QFile blocker(dir);
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    EXPECT_ANY_THROW(Form().Measurements().OnStopFrame({}));
    EXPECT_FALSE(Form().StopByInstrument());
    EXPECT_FALSE(Form().Recording());
}

class Form1TextFramesTest : public Form1ResultFramesTest {
protected:
    void Text(int kind, const QString& text)
    {
        const QByteArray bytes = common::ToCp1251(text);
        Form().Measurements().OnTextFrame(
            Rx(lmvsim::TextFrameBytes(kind, std::string_view(bytes.constData(), bytes.size()))));
    }
    model::TBaseRecord Stored(const QString& fileName)
    {
        model::TBaseRecord record;
        store.ReadRecordFile(fileName, record);
        return record;
    }
};

TEST_F(Form1TextFramesTest, TitleAndDateReachTheLiveFileAndItsListLine)
{
    LampOn();
    Form().Measurements().OnStartFrame({});
    ASSERT_TRUE(Form().Recording());
    const QString fileName = store.LiveFileName();
    Text(102, QStringLiteral("Опыт"));
    Text(101, QStringLiteral("Дата 08-08-2018 Время 14:05"));
    EXPECT_TRUE(notifier.boxes.isEmpty()) << notifier.boxes.join('|').toStdString();
    const model::TBaseRecord stored = Stored(fileName);
    EXPECT_EQ(stored.Title, "Опыт");
    EXPECT_EQ(stored.DateTime, store.LiveRecord().DateTime);
    EXPECT_TRUE(List().LineText(List().currentRow()).contains("Опыт"));

    Text(0, QStringLiteral("Проба$12$"));
    EXPECT_EQ(store.LiveRecord().Params, (model::TParamsArr{{"Проба", "12"}}));
    EXPECT_EQ(Props().PropGrid->item(0, 0)->text(), "Проба");
    Text(100, QStringLiteral("Идёт титрование"));
    EXPECT_EQ(Form().StatusText(), "Идёт титрование");
}

TEST_F(Form1TextFramesTest, WithoutARecordNoFileIsMadeAndTheFailureIsToldOnce)
{
    Form();
    const QStringList filesBefore = QDir(store.RecordDir()).entryList(QDir::Files);
    Text(102, QStringLiteral("Опыт"));
    Text(101, QStringLiteral("Дата 08-08-2018 Время 14:05"));
    EXPECT_EQ(store.LiveRecord().Title, "Опыт");
    EXPECT_EQ(notifier.boxes.size(), 1);
    EXPECT_EQ(QDir(store.RecordDir()).entryList(QDir::Files), filesBefore);
}

TEST_F(Form1TextFramesTest, AfterATitrationRunTheTitleGoesIntoTheRecordAwaitingItsValues)
{
    LampOn();
    ConnectDevice(Form(), 41);
    Form().Measurements().OnStartFrame({});
    const QString fileName = store.LiveFileName();
    Form().Measurements().OnStopFrame({});
    ASSERT_EQ(Form().AwaitingResultsFile(), fileName);
    Text(102, QStringLiteral("После титрования"));
    EXPECT_EQ(Stored(fileName).Title, "После титрования");
    EXPECT_TRUE(notifier.boxes.isEmpty()) << notifier.boxes.join('|').toStdString();
}

}
}
