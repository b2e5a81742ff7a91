// MainMenu1 in its order, and the peak pop-up menus. Items bound to an action show its caption.
#include "mainwindow/form1.h"

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
    auto item = [this](QMenu& menu, const char* name, const QString& caption,
                       void (TForm1::*handler)(), int help) {
        QAction* action = menu.addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setProperty("HelpContext", help);
        connect(action, &QAction::triggered, this,
                [this, handler] { RunReportingErrors(handler); });
        return action;
    };
    auto actionItem = [this](QMenu& menu, const char* name) {
        menu.addAction(Actn(QString::fromLatin1(name)).Action());
    };

    QMenu* file = NewMenu(QStringLiteral("File1"), QStringLiteral("&Файл"), mainMenu);
    actionItem(*file, "OpenBaseActn");
    actionItem(*file, "OpenFlashBaseActn");
    file->addSeparator();
    item(*file, "N6", QStringLiteral("Чтение графика"), &TForm1::N6Click, FileMenuHelp);
    item(*file, "N7", QStringLiteral("Запись графика"), &TForm1::N7Click, FileMenuHelp);
    item(*file, "N8", QStringLiteral("Запись графика в текст"), &TForm1::N8Click, FileMenuHelp);
    item(*file, "N9", QStringLiteral("Запись графика в текст с точкой"), &TForm1::N9Click,
         FileMenuHelp)
        ->setVisible(false);
    file->addSeparator();
    actionItem(*file, "SaveTableActn");
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
    actionItem(*edit, "CopyGridActn");
    edit->addSeparator();
    actionItem(*edit, "CopyPeaksDataActn");
    edit->addSeparator();
    actionItem(*edit, "RemoveActn");
    mainMenu->addMenu(edit);

    QMenu* view = NewMenu(QStringLiteral("View1"), QStringLiteral("&Вид"), mainMenu);
    actionItem(*view, "ShowPropsActn");
    view->addSeparator();
    actionItem(*view, "ShowAllActn");
    actionItem(*view, "ByDateActn");
    view->addSeparator();
    for (const char* name :
         {"PaintXAxisActn", "PaintYAxisActn", "PaintGridActn", "ShowBordersActn"})
        actionItem(*view, name);
    view->addSeparator();
    for (const char* name : {"FitImageActn", "DivScaleBy10Actn", "MultScaleBy10Actn"})
        actionItem(*view, name);
    view->addSeparator();
    actionItem(*view, "ShowAllTabsActn");
    view->addSeparator();
    actionItem(*view, "ShowDev1Actn");
    actionItem(*view, "ShowDev2Actn");
    mainMenu->addMenu(view);

    QMenu* record = NewMenu(QStringLiteral("Record1"), QStringLiteral("Запись"), mainMenu);
    actionItem(*record, "StartStopActn");
    record->addSeparator();
    actionItem(*record, "AddMarkActn");
    mainMenu->addMenu(record);

    QMenu* service = NewMenu(QStringLiteral("Service1"), QStringLiteral("&Сервис"), mainMenu);
    actionItem(*service, "FilterActn");
    service->addSeparator();
    actionItem(*service, "ShowDerivativeActn");
    service->addSeparator();
    actionItem(*service, "FindVolumesActn");
    service->addSeparator();
    actionItem(*service, "SetPeakBordersActn");
    actionItem(*service, "PeakAutoSearchActn");
    service->addSeparator();
    actionItem(*service, "RebuildDBActn");
    mainMenu->addMenu(service);

    QMenu* help = NewMenu(QStringLiteral("Help1"), QStringLiteral("&Справка"), mainMenu);
    actionItem(*help, "HelpContextActn");
    help->addSeparator();
    actionItem(*help, "AboutActn");
    mainMenu->addMenu(help);

    QMenu* hidden = NewMenu(QStringLiteral("Hidden1"), QString(), mainMenu);
    item(*hidden, "debug1", QStringLiteral("debug"), &TForm1::debug1Click, 0);
    actionItem(*hidden, "LogActn");
    item(*hidden, "N64", QStringLiteral("сохранить"), &TForm1::N64Click, 0);
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
    QMenu* types = PopupMenu1->addMenu(Actn(QStringLiteral("SetPeakTypeActn")).Caption());
    types->setObjectName(QStringLiteral("PeakTypeMenu"));
    AddPeakPopupMenu = NewMenu(QStringLiteral("AddPeakPopupMenu"), QString(), this);
    for (const char* name : {"CalcS2Actn", "CalcSActn", "CalcIntSectActn"}) {
        types->addAction(Actn(QString::fromLatin1(name)).Action());
        AddPeakPopupMenu->addAction(Actn(QString::fromLatin1(name)).Action());
    }
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Actn(QStringLiteral("RenamePeakActn")).Action());
    PopupMenu1->addSeparator();
    PopupMenu1->addAction(Actn(QStringLiteral("RemovePeakActn")).Action());
}

}
