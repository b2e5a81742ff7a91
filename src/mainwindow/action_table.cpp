#include "mainwindow/action_table.h"

#include <array>

namespace lmv::mainwindow {

namespace {

constexpr bool Check = true;
constexpr bool On = true;

constexpr std::array<TActionDefinition, ActionCount> Definitions{{
    {TActionId::HelpContextActn, "HelpContextActn", "Контекстная справка",
     "Руководство пользователя"},
    {TActionId::ShowAllActn, "ShowAllActn", "Вся база", "", 0, Check, false, "", 21},
    {TActionId::AboutActn, "AboutActn", "О программе...", ""},
    {TActionId::ByDateActn, "ByDateActn", "По дате", "", 1, Check, false, "", 21},
    {TActionId::ShowPropsActn, "ShowPropsActn", "Параметры", "", 0, Check, false, "", 21},
    {TActionId::FindVolumesActn, "FindVolumesActn", "Поиск эквивалентных объёмов",
     "Автоматический поиск эквивалентных объёмов", 0, false, false, "", 31},
    {TActionId::ShowDerivativeActn, "ShowDerivativeActn", "Показать производную",
     "Показать производную"},
    {TActionId::FitImageActn, "FitImageActn", "Автомасштабирование",
     "Подбирать масштаб автоматически", 0, Check, On},
    {TActionId::StartStopActn, "StartStopActn", "Запись", "", 0, false, false, "", 4},
    {TActionId::SetScaleActn, "SetScaleActn", "Задать масштаб", "Задать масштаб"},
    {TActionId::MultScaleBy10Actn, "MultScaleBy10Actn", "Увеличить в 10 раз", "Увеличить в 10 раз"},
    {TActionId::DivScaleBy10Actn, "DivScaleBy10Actn", "Уменьшить в 10 раз", "Уменьшить в 10 раз"},
    {TActionId::AddMarkActn, "AddMarkActn", "Добавить метку", "Добавить метку"},
    {TActionId::FilterActn, "FilterActn", "Фильтр", "Фильтр"},
    {TActionId::ConnectActn, "ConnectActn", "<-", ""},
    {TActionId::PaintXAxisActn, "PaintXAxisActn", "Показывать ось абсцисс",
     "Показывать ось абсцисс", 0, Check, On},
    {TActionId::PaintYAxisActn, "PaintYAxisActn", "Показывать ось ординат",
     "Показывать ось ординат", 1, Check, On},
    {TActionId::PaintGridActn, "PaintGridActn", "Отображать сетку", "Отображать сетку", 2, Check,
     On},
    {TActionId::ShowBordersActn, "ShowBordersActn", "Показать разметку", "Показать разметку", 3,
     Check, On},
    {TActionId::ShowIntegeralActn, "ShowIntegeralActn", "Показать интегральное накопление",
     "Показать интегральное накопление", 4, Check, false},
    {TActionId::ShowAllTabsActn, "ShowAllTabsActn", "Показать все вкладки", "", 0, Check, false},
    {TActionId::RebuildDBActn, "RebuildDBActn", "Создать индекс заново", ""},
    {TActionId::SetPeakBordersActn, "SetPeakBordersActn", "Разметка пиков", "Разметка пиков", 0,
     Check, false, "", 32},
    {TActionId::CopyPeaksDataActn, "CopyPeaksDataActn", "Копировать информацию о пиках",
     "Копировать информацию о пиках в буфер обмена"},
    {TActionId::RenamePeakActn, "RenamePeakActn", "Переименовать", "Переименовать пик"},
    {TActionId::RemovePeakActn, "RemovePeakActn", "Удалить", "Удалить пик"},
    {TActionId::RemoveActn, "RemoveActn", "Удалить из базы", "Удалить из базы"},
    {TActionId::PeakAutoSearchActn, "PeakAutoSearchActn", "Автоматическая разметка пиков",
     "Автоматическая разметка пиков", 0, false, false, "", 32},
    {TActionId::CopyGridActn, "CopyGridActn", "Копировать таблицу",
     "Копировать таблицу в буфер обмена"},
    {TActionId::SaveTableActn, "SaveTableActn", "Сохранить таблицу в файл", ""},
    {TActionId::AddRowToGridActn, "AddRowToGridActn", "Запомнить в таблице", "Запомнить в таблице"},
    {TActionId::AddRowWithTimerActn, "AddRowWithTimerActn", "Запись через интервал",
     "Запись через интервал", 0, Check, false},
    {TActionId::RemRowActn, "RemRowActn", "Удалить строку", "Удалить строку"},
    {TActionId::ClearGridActn, "ClearGridActn", "Очистить таблицу", "Очистить таблицу"},
    {TActionId::SetPeakTypeActn, "SetPeakTypeActn", "Тип вычисления", ""},
    {TActionId::CalcS2Actn, "CalcS2Actn", "Площадь с горизонтальной базовой",
     "Вычисять площадь между кривой и горизонтальной базовой линией", 0, Check, false},
    {TActionId::CalcSActn, "CalcSActn", "Площадь с наклонной базовой",
     "Вычислять площадь между кривой и наклонной базовой линией, проводимой между краями диапазона",
     2, Check, false},
    {TActionId::CalcIntSectActn, "CalcIntSectActn", "Изгиб", "Определять точку излома", 1, Check,
     false},
    {TActionId::OpenBaseActn, "OpenBaseActn", "Открыть базу...", ""},
    {TActionId::LogActn, "LogActn", "Вести журнал", "", 0, false, false, "", 0, false},
    {TActionId::Action1, "Action1", "Action1", "", 0, false, false, "Ctrl+I"},
    {TActionId::ShowDev1Actn, "ShowDev1Actn", "Первичный прибор", "", 0, Check, On},
    {TActionId::ShowDev2Actn, "ShowDev2Actn", "Внешний прибор", "", 1, Check, false},
    {TActionId::OpenFlashBaseActn, "OpenFlashBaseActn", "Чтение с SD-карты", ""},
}};

constexpr bool InIdOrder()
{
    for (std::size_t i = 0; i < Definitions.size(); ++i)
        if (std::size_t(Definitions[i].id) != i)
            return false;
    return true;
}
static_assert(InIdOrder(), "every action's row stands at its id");

}

std::span<const TActionDefinition> ActionDefinitions() { return Definitions; }

}
