#include "mainwindow/action_table.h"

#include <array>

namespace lmv::mainwindow {

namespace {

constexpr bool Check = true;
constexpr bool On = true;

const std::array<TActionDefinition, 44> Definitions{{
    {"HelpContextActn", "Контекстная справка", "Руководство пользователя"},
    {"ShowAllActn", "Вся база", "", 0, Check, false, "", 21},
    {"AboutActn", "О программе...", ""},
    {"ByDateActn", "По дате", "", 1, Check, false, "", 21},
    {"ShowPropsActn", "Параметры", "", 0, Check, false, "", 21},
    {"FindVolumesActn", "Поиск эквивалентных объёмов", "Автоматический поиск эквивалентных объёмов",
     0, false, false, "", 31},
    {"ShowDerivativeActn", "Показать производную", "Показать производную"},
    {"FitImageActn", "Автомасштабирование", "Подбирать масштаб автоматически", 0, Check, On},
    {"StartStopActn", "Запись", "", 0, false, false, "", 4},
    {"SetScaleActn", "Задать масштаб", "Задать масштаб"},
    {"MultScaleBy10Actn", "Увеличить в 10 раз", "Увеличить в 10 раз"},
    {"DivScaleBy10Actn", "Уменьшить в 10 раз", "Уменьшить в 10 раз"},
    {"AddMarkActn", "Добавить метку", "Добавить метку"},
    {"FilterActn", "Фильтр", "Фильтр"},
    {"ConnectActn", "<-", ""},
    {"PaintXAxisActn", "Показывать ось абсцисс", "Показывать ось абсцисс", 0, Check, On},
    {"PaintYAxisActn", "Показывать ось ординат", "Показывать ось ординат", 1, Check, On},
    {"PaintGridActn", "Отображать сетку", "Отображать сетку", 2, Check, On},
    {"ShowBordersActn", "Показать разметку", "Показать разметку", 3, Check, On},
    {"ShowIntegeralActn", "Показать интегральное накопление", "Показать интегральное накопление", 4,
     Check, false},
    {"ShowAllTabsActn", "Показать все вкладки", "", 0, Check, false},
    {"RebuildDBActn", "Создать индекс заново", ""},
    {"SetPeakBordersActn", "Разметка пиков", "Разметка пиков", 0, Check, false, "", 32},
    {"CopyPeaksDataActn", "Копировать информацию о пиках",
     "Копировать информацию о пиках в буфер обмена"},
    {"RenamePeakActn", "Переименовать", "Переименовать пик"},
    {"RemovePeakActn", "Удалить", "Удалить пик"},
    {"RemoveActn", "Удалить из базы", "Удалить из базы"},
    {"PeakAutoSearchActn", "Автоматическая разметка пиков", "Автоматическая разметка пиков", 0,
     false, false, "", 32},
    {"CopyGridActn", "Копировать таблицу", "Копировать таблицу в буфер обмена"},
    {"SaveTableActn", "Сохранить таблицу в файл", ""},
    {"AddRowToGridActn", "Запомнить в таблице", "Запомнить в таблице"},
    {"AddRowWithTimerActn", "Запись через интервал", "Запись через интервал", 0, Check, false},
    {"RemRowActn", "Удалить строку", "Удалить строку"},
    {"ClearGridActn", "Очистить таблицу", "Очистить таблицу"},
    {"SetPeakTypeActn", "Тип вычисления", ""},
    {"CalcS2Actn", "Площадь с горизонтальной базовой",
     "Вычисять площадь между кривой и горизонтальной базовой линией", 0, Check, false},
    {"CalcSActn", "Площадь с наклонной базовой",
     "Вычислять площадь между кривой и наклонной базовой линией, проводимой между краями диапазона",
     2, Check, false},
    {"CalcIntSectActn", "Изгиб", "Определять точку излома", 1, Check, false},
    {"OpenBaseActn", "Открыть базу...", ""},
    {"LogActn", "Вести журнал", "", 0, false, false, "", 0, false},
    {"Action1", "Action1", "", 0, false, false, "Ctrl+I"},
    {"ShowDev1Actn", "Первичный прибор", "", 0, Check, On},
    {"ShowDev2Actn", "Внешний прибор", "", 1, Check, false},
    {"OpenFlashBaseActn", "Чтение с SD-карты", ""},
}};

}

std::span<const TActionDefinition> ActionDefinitions() { return Definitions; }

}
