// MainMenu1: menus and items in order; hidden items stay hidden.
#include "form1_fixture.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace lmv::test {
namespace {

// Captions in order, "-" for a separator; a hidden item is written in brackets.
QStringList ItemsOf(const QMenu& menu)
{
    QStringList items;
    for (const QAction* action : menu.actions()) {
        const QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
        items << (action->isVisible() ? text : QStringLiteral("[%1]").arg(text));
    }
    return items;
}

const QMenu* MenuTitled(const QList<QAction*>& actions, const QString& title)
{
    for (const QAction* action : actions) {
        if (action->menu() && action->text() == title)
            return action->menu();
    }
    return nullptr;
}

struct MenuCase {
    const char* title;
    QStringList items;
};

const MenuCase MenuCases[] = {
    {"&Файл",
     {"Открыть базу...", "Чтение с SD-карты", "-", "Чтение графика", "Запись графика",
      "Запись графика в текст", "[Запись графика в текст с точкой]", "-",
      "Сохранить таблицу в файл", "-", "&Отчет"}},
    {"&Отчет",
     {"Печать диаграммы", "-", "График 1", "График 1,2", "График 1-5", "Таблица", "DOZI", "VAD"}},
    {"&Правка",
     {"Копировать как BMP", "Копировать как WMF", "Копировать как EMF", "-", "Копировать таблицу",
      "-", "Копировать информацию о пиках", "-", "Удалить из базы"}},
    {"&Вид",
     {"Параметры", "-", "Вся база", "По дате", "-", "Показывать ось абсцисс",
      "Показывать ось ординат", "Отображать сетку", "Показать разметку", "-", "Автомасштабирование",
      "Уменьшить в 10 раз", "Увеличить в 10 раз", "-", "Показать все вкладки", "-",
      "Первичный прибор", "Внешний прибор"}},
    {"Запись", {"Запись", "-", "Добавить метку"}},
    {"&Сервис",
     {"Фильтр", "-", "Показать производную", "-", "Поиск эквивалентных объёмов", "-",
      "Разметка пиков", "Автоматическая разметка пиков", "-", "Создать индекс заново"}},
    {"&Справка", {"Контекстная справка", "-", "О программе..."}},
};

const QMenuBar& MainMenu(const mainwindow::TForm1& window)
{
    return Named<QMenuBar>(window, QStringLiteral("MainMenu1"));
}

TEST_F(Form1Test, MainMenuHasItsMenusInOrderAndAHiddenOne)
{
    QStringList titles;
    for (const QAction* action : MainMenu(Form()).actions())
        titles << (action->isVisible() ? action->text() : QStringLiteral("[hidden]"));
    EXPECT_EQ(
        titles,
        QStringList({"&Файл", "&Правка", "&Вид", "Запись", "&Сервис", "&Справка", "[hidden]"}));
    const QMenu* hidden = MainMenu(Form()).actions().last()->menu();
    ASSERT_NE(hidden, nullptr);
    EXPECT_EQ(ItemsOf(*hidden), QStringList({"debug", "[Вести журнал]", "сохранить"}));
}

TEST_F(Form1Test, MenusListTheirItemsInOrder)
{
    const QList<QAction*> top = MainMenu(Form()).actions();
    for (const MenuCase& c : MenuCases) {
        SCOPED_TRACE(c.title);
        const QString title = QString::fromUtf8(c.title);
        const QMenu* menu = MenuTitled(top, title);
        if (!menu) {
            const QMenu* file = MenuTitled(top, QStringLiteral("&Файл"));
            menu = file ? MenuTitled(file->actions(), title) : nullptr;
        }
        ASSERT_NE(menu, nullptr);
        EXPECT_EQ(ItemsOf(*menu), c.items);
    }
}

TEST_F(Form1Test, PeakMenuOffersTypesRenameAndRemove)
{
    EXPECT_EQ(ItemsOf(Named<QMenu>(Form(), QStringLiteral("PopupMenu1"))),
              QStringList({"", "Тип вычисления", "-", "Переименовать", "-", "Удалить"}));
    EXPECT_EQ(
        ItemsOf(Named<QMenu>(Form(), QStringLiteral("AddPeakPopupMenu"))),
        QStringList({"Площадь с горизонтальной базовой", "Площадь с наклонной базовой", "Изгиб"}));
}

}
}
