// The window's menus, built once.
#include "mainwindow/window_menus.h"

#include "mainwindow/action.h"
#include "mainwindow/widgets/named_control.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace lmv::mainwindow {

namespace {

constexpr int FileMenuHelp = 11;
constexpr int ReportMenuHelp = 110;
constexpr int EditMenuHelp = 12;
constexpr int ViewMenuHelp = 13;
constexpr int RecordMenuHelp = 14;
constexpr int ServiceMenuHelp = 15;
constexpr int HelpMenuHelp = 16;

}

TWindowMenus::TWindowMenus(QMainWindow& window, const TWindowMenuHandlers& handlers)
    : QObject(&window), handlers_(handlers)
{
    CreateMainMenu(window);
    CreatePopupMenus(&window);
}

// A menu item of its own, with a handler of the window.
QAction* TWindowMenus::Item(QMenu& menu, const char* name, const QString& caption, int help)
{
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setProperty("HelpContext", help);
    connect(action, &QAction::triggered, this, handlers_.items.at(action->objectName()));
    return action;
}

void TWindowMenus::ActionItem(QMenu& menu, TActionId id)
{
    menu.addAction(handlers_.action(id).Action());
}

void TWindowMenus::CreateMainMenu(QMainWindow& window)
{
    QMenuBar* mainMenu = window.menuBar();
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));
    const std::pair<QMenu*, int> menus[] = {
        {CreateFileMenu(mainMenu), FileMenuHelp},
        {CreateEditMenu(mainMenu), EditMenuHelp},
        {CreateViewMenu(mainMenu), ViewMenuHelp},
        {CreateRecordMenu(mainMenu), RecordMenuHelp},
        {CreateServiceMenu(mainMenu), ServiceMenuHelp},
        {CreateHelpMenu(mainMenu), HelpMenuHelp},
    };
    for (const auto& [menu, context] : menus)
        mainMenu->addMenu(menu);
    mainMenu->addMenu(CreateHiddenMenu(mainMenu))->setVisible(false);
    for (const auto& [menu, context] : menus) {
        menu->menuAction()->setProperty("HelpContext", context);
        connect(menu, &QMenu::aboutToShow, this, handlers_.beforeShow);
    }
}

QMenu* TWindowMenus::CreateFileMenu(QWidget* parent)
{
    QMenu* file = NewNamed<QMenu>(QStringLiteral("File1"), QStringLiteral("&Файл"), parent);
    ActionItem(*file, TActionId::OpenBaseActn);
    ActionItem(*file, TActionId::OpenFlashBaseActn);
    file->addSeparator();
    Item(*file, "N6", QStringLiteral("Чтение графика"), FileMenuHelp);
    Item(*file, "N7", QStringLiteral("Запись графика"), FileMenuHelp);
    Item(*file, "N8", QStringLiteral("Запись графика в текст"), FileMenuHelp);
    Item(*file, "N9", QStringLiteral("Запись графика в текст с точкой"), FileMenuHelp)
        ->setVisible(false);
    file->addSeparator();
    ActionItem(*file, TActionId::SaveTableActn);
    file->addSeparator();
    QMenu* report = NewNamed<QMenu>(QStringLiteral("Report1"), QStringLiteral("&Отчет"), file);
    report->menuAction()->setProperty("HelpContext", ReportMenuHelp);
    Item(*report, "MenuItem1", QStringLiteral("Печать диаграммы"), ReportMenuHelp);
    report->addSeparator()->setObjectName(QStringLiteral("N14"));
    Item(*report, "N11", QStringLiteral("График 1"), ReportMenuHelp);
    Item(*report, "N21", QStringLiteral("График 1,2"), ReportMenuHelp);
    Item(*report, "N41", QStringLiteral("График 1-5"), ReportMenuHelp);
    Item(*report, "N1", QStringLiteral("Таблица"), ReportMenuHelp);
    Item(*report, "N4", QStringLiteral("DOZI"), ReportMenuHelp);
    Item(*report, "N3", QStringLiteral("VAD"), ReportMenuHelp);
    file->addMenu(report);
    return file;
}

QMenu* TWindowMenus::CreateEditMenu(QWidget* parent)
{
    QMenu* edit = NewNamed<QMenu>(QStringLiteral("Edit1"), QStringLiteral("&Правка"), parent);
    Item(*edit, "asBitMap1", QStringLiteral("Копировать как BMP"), EditMenuHelp);
    Item(*edit, "WMF1", QStringLiteral("Копировать как WMF"), EditMenuHelp);
    Item(*edit, "EMF1", QStringLiteral("Копировать как EMF"), EditMenuHelp);
    edit->addSeparator();
    ActionItem(*edit, TActionId::CopyGridActn);
    edit->addSeparator();
    ActionItem(*edit, TActionId::CopyPeaksDataActn);
    edit->addSeparator();
    ActionItem(*edit, TActionId::RemoveActn);
    return edit;
}

QMenu* TWindowMenus::CreateViewMenu(QWidget* parent)
{
    QMenu* view = NewNamed<QMenu>(QStringLiteral("View1"), QStringLiteral("&Вид"), parent);
    ActionItem(*view, TActionId::ShowPropsActn);
    view->addSeparator();
    ActionItem(*view, TActionId::ShowAllActn);
    ActionItem(*view, TActionId::ByDateActn);
    view->addSeparator();
    for (const TActionId id : {TActionId::PaintXAxisActn, TActionId::PaintYAxisActn,
                               TActionId::PaintGridActn, TActionId::ShowBordersActn})
        ActionItem(*view, id);
    view->addSeparator();
    for (const TActionId id :
         {TActionId::FitImageActn, TActionId::DivScaleBy10Actn, TActionId::MultScaleBy10Actn})
        ActionItem(*view, id);
    view->addSeparator();
    ActionItem(*view, TActionId::ShowAllTabsActn);
    view->addSeparator();
    ActionItem(*view, TActionId::ShowDev1Actn);
    ActionItem(*view, TActionId::ShowDev2Actn);
    return view;
}

QMenu* TWindowMenus::CreateRecordMenu(QWidget* parent)
{
    QMenu* record = NewNamed<QMenu>(QStringLiteral("Record1"), QStringLiteral("Запись"), parent);
    ActionItem(*record, TActionId::StartStopActn);
    record->addSeparator();
    ActionItem(*record, TActionId::AddMarkActn);
    return record;
}

QMenu* TWindowMenus::CreateServiceMenu(QWidget* parent)
{
    QMenu* service = NewNamed<QMenu>(QStringLiteral("Service1"), QStringLiteral("&Сервис"), parent);
    ActionItem(*service, TActionId::FilterActn);
    service->addSeparator();
    ActionItem(*service, TActionId::ShowDerivativeActn);
    service->addSeparator();
    ActionItem(*service, TActionId::FindVolumesActn);
    service->addSeparator();
    ActionItem(*service, TActionId::SetPeakBordersActn);
    ActionItem(*service, TActionId::PeakAutoSearchActn);
    service->addSeparator();
    ActionItem(*service, TActionId::RebuildDBActn);
    return service;
}

QMenu* TWindowMenus::CreateHelpMenu(QWidget* parent)
{
    QMenu* help = NewNamed<QMenu>(QStringLiteral("Help1"), QStringLiteral("&Справка"), parent);
    ActionItem(*help, TActionId::HelpContextActn);
    help->addSeparator();
    ActionItem(*help, TActionId::AboutActn);
    return help;
}

QMenu* TWindowMenus::CreateHiddenMenu(QWidget* parent)
{
    QMenu* hidden = NewNamed<QMenu>(QStringLiteral("Hidden1"), QString(), parent);
    Item(*hidden, "debug1", QStringLiteral("debug"), 0);
    ActionItem(*hidden, TActionId::LogActn);
    Item(*hidden, "N64", QStringLiteral("сохранить"), 0);
    return hidden;
}

void TWindowMenus::CreatePopupMenus(QWidget* parent)
{
    PopupMenu1 = NewNamed<QMenu>(QStringLiteral("PopupMenu1"), QString(), parent);
    QAction* peakName = PopupMenu1->addAction(QString());
    peakName->setObjectName(QStringLiteral("PeakNameItem"));
    peakName->setEnabled(false);
    QMenu* types = PopupMenu1->addMenu(handlers_.action(TActionId::SetPeakTypeActn).Caption());
    types->setObjectName(QStringLiteral("PeakTypeMenu"));
    AddPeakPopupMenu = NewNamed<QMenu>(QStringLiteral("AddPeakPopupMenu"), QString(), parent);
    for (const TActionId id :
         {TActionId::CalcS2Actn, TActionId::CalcSActn, TActionId::CalcIntSectActn}) {
        types->addAction(handlers_.action(id).Action());
        AddPeakPopupMenu->addAction(handlers_.action(id).Action());
    }
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(handlers_.action(TActionId::RenamePeakActn).Action());
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(handlers_.action(TActionId::RemovePeakActn).Action());
}

}
