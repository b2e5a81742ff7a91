// The main tool bars' glue (the pictures of the actions, the port chooser's list and the bars'
// rows after a resize), the hidden paging and test panel, and the status bar.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/status_panels.h"
#include "mainwindow/widgets/tool_icons.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace lmv::mainwindow {

namespace {

QLabel* NewLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

QSpinBox* NewSpinEdit(const QString& name, int minimum, int maximum, int value, QWidget* parent)
{
    auto* edit = new QSpinBox(parent);
    edit->setObjectName(name);
    edit->setRange(minimum, maximum);
    edit->setValue(value);
    edit->setFixedWidth(44);
    return edit;
}

}

void TForm1::CreateToolBar2()
{
    for (const QString& name : ActionsWithIcons())
        Actn(name).Action()->setIcon(ToolIcon(name));
    ToolBars = new TMainToolBarView(*this, actions_, this);
    connect(&ToolBars->PortChooser(), &TPortComboBox::DropDown, this, &TForm1::ComboBox1DropDown);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (ToolBars)
        ToolBars->PlaceCurveToolBar();
}

void TForm1::CreatePanel1()
{
    Panel1 = new QWidget;
    Panel1->setObjectName(QStringLiteral("Panel1"));
    auto* row = new QHBoxLayout(Panel1);
    row->setContentsMargins(2, 2, 2, 2);
    const std::pair<const char*, const char*> buttons[] = {
        {"Button8", "| <"}, {"Button9", "<"},    {"Button10", ">"},
        {"Button11", ">|"}, {"Button13", "key"}, {"Button14", "read"},
    };
    for (const auto& [name, caption] : buttons) {
        auto* button = new QPushButton(QString::fromLatin1(caption), Panel1);
        button->setObjectName(QString::fromLatin1(name));
        row->addWidget(button);
    }
    auto* checkBox3 = new QCheckBox(QStringLiteral("Число точек"), Panel1);
    checkBox3->setObjectName(QStringLiteral("CheckBox3"));
    row->addWidget(checkBox3);
    auto* trackBar1 = new QSlider(Qt::Horizontal, Panel1);
    trackBar1->setObjectName(QStringLiteral("TrackBar1"));
    trackBar1->setRange(0, 1000);
    row->addWidget(trackBar1);
    row->addWidget(NewLabel(QStringLiteral("StaticText4"), QString(), Panel1));
    row->addWidget(NewSpinEdit(QStringLiteral("SpinEdit4"), 0, 255, 0, Panel1));
    Panel1->hide();
}

void TForm1::CreateStatusBar1()
{
    StatusBar1 = new TStatusPanels(QStringLiteral("StatusBar1"), {50, 50, 300, 200, 250}, this);
    setStatusBar(StatusBar1);
}

}
