// MainMenu1 in its order, and the peak pop-up menus. Items bound to an action show its caption.
#include "mainwindow/form1.h"

#include "mainwindow/graph_files.h"

#include "mainwindow/action.h"

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

QMenu* NewMenu(const QString& name, const QString& title, QWidget* parent)
{
    auto* menu = new QMenu(title, parent);
    menu->setObjectName(name);
    return menu;
}

}

void TForm1::CreateMainMenu()
{
    QMenuBar* mainMenu = menuBar();
    mainMenu->setObjectName(QStringLiteral("MainMenu1"));

    // A menu item of its own, with a handler of the form.
    auto item = [this](QMenu& menu, const char* name, const QString& caption, auto handler,
                       int help) {
        QAction* action = menu.addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setProperty("HelpContext", help);
        connect(action, &QAction::triggered, this,
                [this, handler] { RunReportingErrors(handler); });
        return action;
    };
    auto actionItem = [this](QMenu& menu, TActionId id) { menu.addAction(Actn(id).Action()); };

    QMenu* file = NewMenu(QStringLiteral("File1"), QStringLiteral("&Файл"), mainMenu);
    actionItem(*file, TActionId::OpenBaseActn);
    actionItem(*file, TActionId::OpenFlashBaseActn);
    file->addSeparator();
    item(
        *file, "N6", QStringLiteral("Чтение графика"), [this] { GraphFiles->N6Click(); },
        FileMenuHelp);
    item(
        *file, "N7", QStringLiteral("Запись графика"), [this] { GraphFiles->N7Click(); },
        FileMenuHelp);
    item(
        *file, "N8", QStringLiteral("Запись графика в текст"), [this] { GraphFiles->N8Click(); },
        FileMenuHelp);
    item(
        *file, "N9", QStringLiteral("Запись графика в текст с точкой"),
        [this] { GraphFiles->N9Click(); }, FileMenuHelp)
        ->setVisible(false);
    file->addSeparator();
    actionItem(*file, TActionId::SaveTableActn);
    file->addSeparator();
    QMenu* report = NewMenu(QStringLiteral("Report1"), QStringLiteral("&Отчет"), file);
    report->menuAction()->setProperty("HelpContext", ReportMenuHelp);
    item(*report, "MenuItem1", QStringLiteral("Печать диаграммы"), &TForm1::N5Click,
         ReportMenuHelp);
    report->addSeparator()->setObjectName(QStringLiteral("N14"));
    item(*report, "N11", QStringLiteral("График 1"), &TForm1::N11Click, ReportMenuHelp);
    item(*report, "N21", QStringLiteral("График 1,2"), &TForm1::N21Click, ReportMenuHelp);
    item(*report, "N41", QStringLiteral("График 1-5"), &TForm1::N41Click, ReportMenuHelp);
    item(*report, "N1", QStringLiteral("Таблица"), &TForm1::N1Click, ReportMenuHelp);
    item(*report, "N4", QStringLiteral("DOZI"), &TForm1::N4Click, ReportMenuHelp);
    item(*report, "N3", QStringLiteral("VAD"), &TForm1::N3Click, ReportMenuHelp);
    file->addMenu(report);
    mainMenu->addMenu(file);

    QMenu* edit = NewMenu(QStringLiteral("Edit1"), QStringLiteral("&Правка"), mainMenu);
    item(*edit, "asBitMap1", QStringLiteral("Копировать как BMP"), &TForm1::asBitMap1Click,
         EditMenuHelp);
    item(*edit, "WMF1", QStringLiteral("Копировать как WMF"), &TForm1::WMF1Click, EditMenuHelp);
    item(*edit, "EMF1", QStringLiteral("Копировать как EMF"), &TForm1::EMF1Click, EditMenuHelp);
    edit->addSeparator();
    actionItem(*edit, TActionId::CopyGridActn);
    edit->addSeparator();
    actionItem(*edit, TActionId::CopyPeaksDataActn);
    edit->addSeparator();
    actionItem(*edit, TActionId::RemoveActn);
    mainMenu->addMenu(edit);

    QMenu* view = NewMenu(QStringLiteral("View1"), QStringLiteral("&Вид"), mainMenu);
    actionItem(*view, TActionId::ShowPropsActn);
    view->addSeparator();
    actionItem(*view, TActionId::ShowAllActn);
    actionItem(*view, TActionId::ByDateActn);
    view->addSeparator();
    for (const TActionId id : {TActionId::PaintXAxisActn, TActionId::PaintYAxisActn,
                               TActionId::PaintGridActn, TActionId::ShowBordersActn})
        actionItem(*view, id);
    view->addSeparator();
    for (const TActionId id :
         {TActionId::FitImageActn, TActionId::DivScaleBy10Actn, TActionId::MultScaleBy10Actn})
        actionItem(*view, id);
    view->addSeparator();
    actionItem(*view, TActionId::ShowAllTabsActn);
    view->addSeparator();
    actionItem(*view, TActionId::ShowDev1Actn);
    actionItem(*view, TActionId::ShowDev2Actn);
    mainMenu->addMenu(view);

    QMenu* record = NewMenu(QStringLiteral("Record1"), QStringLiteral("Запись"), mainMenu);
    actionItem(*record, TActionId::StartStopActn);
    record->addSeparator();
    actionItem(*record, TActionId::AddMarkActn);
    mainMenu->addMenu(record);

    QMenu* service = NewMenu(QStringLiteral("Service1"), QStringLiteral("&Сервис"), mainMenu);
    actionItem(*service, TActionId::FilterActn);
    service->addSeparator();
    actionItem(*service, TActionId::ShowDerivativeActn);
    service->addSeparator();
    actionItem(*service, TActionId::FindVolumesActn);
    service->addSeparator();
    actionItem(*service, TActionId::SetPeakBordersActn);
    actionItem(*service, TActionId::PeakAutoSearchActn);
    service->addSeparator();
    actionItem(*service, TActionId::RebuildDBActn);
    mainMenu->addMenu(service);

    QMenu* help = NewMenu(QStringLiteral("Help1"), QStringLiteral("&Справка"), mainMenu);
    actionItem(*help, TActionId::HelpContextActn);
    help->addSeparator();
    actionItem(*help, TActionId::AboutActn);
    mainMenu->addMenu(help);

    QMenu* hidden = NewMenu(QStringLiteral("Hidden1"), QString(), mainMenu);
    item(*hidden, "debug1", QStringLiteral("debug"), &TForm1::debug1Click, 0);
    actionItem(*hidden, TActionId::LogActn);
    item(
        *hidden, "N64", QStringLiteral("сохранить"), [this] { GraphFiles->N64Click(); }, 0);
    mainMenu->addMenu(hidden)->setVisible(false);

    const std::pair<QMenu*, int> helpContexts[] = {
        {file, FileMenuHelp},     {edit, EditMenuHelp},       {view, ViewMenuHelp},
        {record, RecordMenuHelp}, {service, ServiceMenuHelp}, {help, HelpMenuHelp},
    };
    for (const auto& [menu, context] : helpContexts) {
        menu->menuAction()->setProperty("HelpContext", context);
        connect(menu, &QMenu::aboutToShow, this, &TForm1::UpdateActions);
    }
}

void TForm1::CreatePopupMenus()
{
    PopupMenu1 = NewMenu(QStringLiteral("PopupMenu1"), QString(), this);
    QAction* peakName = PopupMenu1->addAction(QString());
    peakName->setObjectName(QStringLiteral("PeakNameItem"));
    peakName->setEnabled(false);
    QMenu* types = PopupMenu1->addMenu(Actn(TActionId::SetPeakTypeActn).Caption());
    types->setObjectName(QStringLiteral("PeakTypeMenu"));
    AddPeakPopupMenu = NewMenu(QStringLiteral("AddPeakPopupMenu"), QString(), this);
    for (const TActionId id :
         {TActionId::CalcS2Actn, TActionId::CalcSActn, TActionId::CalcIntSectActn}) {
        types->addAction(Actn(id).Action());
        AddPeakPopupMenu->addAction(Actn(id).Action());
    }
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Actn(TActionId::RenamePeakActn).Action());
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Actn(TActionId::RemovePeakActn).Action());
}

}
