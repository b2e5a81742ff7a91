// The 44 actions of the main window as the operator meets them.
#include "form1_fixture.h"
#include "mainwindow/action.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>
#include <QToolBar>

namespace lmv::test {
namespace {

struct ActionCase {
    const char* name;
    const char* caption;
    const char* hint;
    int tag;
    bool checked;
    const char* shortcut;
};

// Hints equal captions except where the window gives its own text or none.
const ActionCase ActionCases[] = {
    {"HelpContextActn", "Контекстная справка", "Руководство пользователя", 0, false, ""},
    {"ShowAllActn", "Вся база", "", 0, false, ""},
    {"AboutActn", "О программе...", "", 0, false, ""},
    {"ByDateActn", "По дате", "", 1, true, ""},  // the start executes it: the day filter is on
    {"ShowPropsActn", "Параметры", "", 0, false, ""},
    {"FindVolumesActn", "Поиск эквивалентных объёмов", "Автоматический поиск эквивалентных объёмов",
     0, false, ""},
    {"ShowDerivativeActn", "Показать производную", "=", 0, false, ""},
    {"FitImageActn", "Автомасштабирование", "Подбирать масштаб автоматически", 0, true, ""},
    {"StartStopActn", "Запись", "Начать регистрацию данных", 0, false, ""},
    {"SetScaleActn", "Задать масштаб", "=", 0, false, ""},
    {"MultScaleBy10Actn", "Увеличить в 10 раз", "=", 0, false, ""},
    {"DivScaleBy10Actn", "Уменьшить в 10 раз", "=", 0, false, ""},
    {"AddMarkActn", "Добавить метку", "=", 0, false, ""},
    {"FilterActn", "Фильтр", "=", 0, false, ""},
    {"ConnectActn", "<-", "", 0, false, ""},
    {"PaintXAxisActn", "Показывать ось абсцисс", "=", 0, true, ""},
    {"PaintYAxisActn", "Показывать ось ординат", "=", 1, true, ""},
    {"PaintGridActn", "Отображать сетку", "=", 2, true, ""},
    {"ShowBordersActn", "Показать разметку", "=", 3, true, ""},
    {"ShowIntegeralActn", "Показать интегральное накопление", "=", 4, false, ""},
    {"ShowAllTabsActn", "Показать все вкладки", "", 0, false, ""},
    {"RebuildDBActn", "Создать индекс заново", "", 0, false, ""},
    {"SetPeakBordersActn", "Разметка пиков", "=", 0, false, ""},
    {"CopyPeaksDataActn", "Копировать информацию о пиках",
     "Копировать информацию о пиках в буфер обмена", 0, false, ""},
    {"RenamePeakActn", "Переименовать", "Переименовать пик", 0, false, ""},
    {"RemovePeakActn", "Удалить", "Удалить пик", 0, false, ""},
    {"RemoveActn", "Удалить из базы", "=", 0, false, ""},
    {"PeakAutoSearchActn", "Автоматическая разметка пиков", "=", 0, false, ""},
    {"CopyGridActn", "Копировать таблицу", "Копировать таблицу в буфер обмена", 0, false, ""},
    {"SaveTableActn", "Сохранить таблицу в файл", "", 0, false, ""},
    {"AddRowToGridActn", "Запомнить в таблице", "=", 0, false, ""},
    {"AddRowWithTimerActn", "Запись через интервал", "=", 0, false, ""},
    {"RemRowActn", "Удалить строку", "=", 0, false, ""},
    {"ClearGridActn", "Очистить таблицу", "=", 0, false, ""},
    {"SetPeakTypeActn", "Тип вычисления", "", 0, false, ""},
    {"CalcS2Actn", "Площадь с горизонтальной базовой",
     "Вычисять площадь между кривой и горизонтальной базовой линией", 0, false, ""},
    {"CalcSActn", "Площадь с наклонной базовой",
     "Вычислять площадь между кривой и наклонной базовой линией, проводимой между краями диапазона",
     2, false, ""},
    {"CalcIntSectActn", "Изгиб", "Определять точку излома", 1, false, ""},
    {"OpenBaseActn", "Открыть базу...", "", 0, false, ""},
    {"LogActn", "Вести журнал", "", 0, false, ""},
    {"Action1", "Action1", "", 0, false, "Ctrl+I"},
    {"ShowDev1Actn", "Первичный прибор", "", 0, true, ""},
    {"ShowDev2Actn", "Внешний прибор", "", 1, false, ""},
    {"OpenFlashBaseActn", "Чтение с SD-карты", "", 0, false, ""},
};

TEST_F(Form1Test, EveryActionOfTheListIsThereOnceAndNoOther)
{
    EXPECT_EQ(std::size(ActionCases), 44u);
    EXPECT_EQ(Form().Actions().size(), std::size(ActionCases));
    for (const ActionCase& c : ActionCases)
        EXPECT_TRUE(Form().Actions().count(QString::fromLatin1(c.name))) << c.name;
}

TEST_F(Form1Test, ActionsCarryTheirCaptionsHintsTagsChecksAndShortCuts)
{
    for (const ActionCase& c : ActionCases) {
        SCOPED_TRACE(c.name);
        const mainwindow::TAction& action = Form().Actn(QString::fromLatin1(c.name));
        const QString caption = QString::fromUtf8(c.caption);
        const QString hint =
            QString::fromUtf8(c.hint) == QStringLiteral("=") ? caption : QString::fromUtf8(c.hint);
        EXPECT_EQ(action.Caption(), caption);
        EXPECT_EQ(action.Action()->objectName(), QString::fromLatin1(c.name));
        EXPECT_EQ(action.Hint(), hint);
        EXPECT_EQ(action.Tag, c.tag);
        EXPECT_EQ(action.Checked(), c.checked);
        EXPECT_EQ(action.Action()->shortcut(), QKeySequence(QString::fromLatin1(c.shortcut)));
    }
}

// Their handlers set these marks: the record filter, the properties window, the view options,
// the peak marking and types, the interval rows and the two instruments' curves.
TEST_F(Form1Test, ActionsWhoseHandlersSetAMarkCanShowIt)
{
    for (const char* name :
         {"FitImageActn", "ShowPropsActn", "ShowAllActn", "ByDateActn", "PaintXAxisActn",
          "PaintYAxisActn", "PaintGridActn", "ShowBordersActn", "ShowIntegeralActn",
          "ShowAllTabsActn", "SetPeakBordersActn", "AddRowWithTimerActn", "CalcS2Actn", "CalcSActn",
          "CalcIntSectActn", "ShowDev1Actn", "ShowDev2Actn"}) {
        mainwindow::TAction& action = Form().Actn(QString::fromLatin1(name));
        const bool before = action.Checked();
        action.SetChecked(!before);
        EXPECT_NE(action.Checked(), before) << name;
    }
}

TEST_F(Form1Test, HiddenJournalActionOnly)
{
    for (const auto& [name, action] : Form().Actions())
        EXPECT_EQ(action->Visible(), name != QStringLiteral("LogActn")) << name.toStdString();
}

TEST_F(Form1Test, ButtonsAndMenuItemsShareOneActionEach)
{
    QAction* startStop = Form().Actn(QStringLiteral("StartStopActn")).Action();
    EXPECT_TRUE(Form().ToolBar2->actions().contains(startStop));
    bool inMenu = false;
    for (QMenu* menu : Form().menuBar()->findChildren<QMenu*>())
        inMenu = inMenu || menu->actions().contains(startStop);
    EXPECT_TRUE(inMenu);
}

TEST_F(Form1Test, RecordAndMarkNeedASendingInstrumentWhoeverExecutes)
{
    for (const char* name : {"StartStopActn", "AddMarkActn"}) {
        mainwindow::TAction& action = Form().Actn(QString::fromLatin1(name));
        action.SetEnabled(true);
        int runs = 0;
        action.SetOnExecute([&runs] { ++runs; });
        EXPECT_FALSE(action.Execute()) << name << ": the lamp is white";
        action.Action()->trigger();
        EXPECT_EQ(runs, 0) << name;
        EXPECT_FALSE(action.Enabled()) << name;
    }
}

}
}
