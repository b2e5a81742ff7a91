// The main tool bar, the hidden paging and test panel, and the status bar.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/status_panels.h"
#include "mainwindow/widgets/tight_tool_bar.h"
#include "mainwindow/widgets/tool_icons.h"

#include <QAction>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QToolBar>
#include <QToolButton>
#include <algorithm>

namespace lmv::mainwindow {

namespace {

constexpr int ChooserWidth = 84;

// Wide enough for a typed device path such as /dev/ttyUSB0 or /dev/pts/12 in the window's font.
int ChooserWidthFor(const QComboBox& box)
{
    QStyleOptionComboBox option;
    option.initFrom(&box);
    option.editable = true;
    const QFontMetrics metrics = box.fontMetrics();
    const QSize text(metrics.horizontalAdvance(QStringLiteral("/dev/ttyUSB00")), metrics.height());
    return std::max(
        ChooserWidth,
        box.style()->sizeFromContents(QStyle::CT_ComboBox, &option, text, &box).width());
}

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

QLineEdit* NewEdit(const QString& name, const QString& text, QWidget* parent)
{
    auto* edit = new QLineEdit(text, parent);
    edit->setObjectName(name);
    edit->setFixedWidth(44);
    return edit;
}

}

// A button for the action; a caption of its own gives a text button that still follows the
// action's enabled state and executes it.
QToolButton* TForm1::AddActionButton(QToolBar& bar, const QString& actionName,
                                     const QString& caption)
{
    TAction& action = Actn(actionName);
    if (caption.isEmpty()) {
        bar.addAction(action.Action());
        auto* button = qobject_cast<QToolButton*>(bar.widgetForAction(action.Action()));
        button->setProperty("ActionName", actionName);
        return button;
    }
    auto* button = new QToolButton(&bar);
    button->setProperty("ActionName", actionName);
    button->setText(caption);
    button->setToolTip(action.Hint());
    button->setEnabled(action.Enabled());
    connect(button, &QToolButton::clicked, &action, [&action] { action.ExecuteReportingErrors(); });
    connect(action.Action(), &QAction::changed, button,
            [button, &action] { button->setEnabled(action.Enabled()); });
    bar.addWidget(button);
    return button;
}

void TForm1::CreateToolBar2()
{
    for (const QString& name : ActionsWithIcons())
        Actn(name).Action()->setIcon(ToolIcon(name));

    ToolBar2 = new QToolBar(this);
    ToolBar2->setObjectName(QStringLiteral("ToolBar2"));
    ToolBar2->setMovable(false);
    ToolBar2->setFloatable(false);
    ToolBar2->setToolButtonStyle(Qt::ToolButtonIconOnly);
    ToolBar2->setIconSize(QSize(ToolIconSide, ToolIconSide));
    MakeTight(*ToolBar2);
    addToolBar(Qt::TopToolBarArea, ToolBar2);

    ComboBox1 = new TPortComboBox(QStringLiteral("ComboBox1"), ToolBar2);
    ComboBox1->setEditText(QStringLiteral("COM??"));
    ComboBox1->setFixedWidth(ChooserWidthFor(*ComboBox1));
    ComboBox1->setProperty("HelpContext", 5);
    ToolBar2->addWidget(ComboBox1);
    Shape1 = new TLampShape(QStringLiteral("Shape1"), QSize(8, 22), ToolBar2);
    ToolBar2->addWidget(Shape1);
    Button1 = new QToolButton(ToolBar2);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefaultAction(Actn(QStringLiteral("ConnectActn")).Action());
    Button1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Button1->setProperty("HelpContext", 5);
    ToolBar2->addWidget(Button1);
    ToolBar2->addSeparator();

    AddActionButton(*ToolBar2, QStringLiteral("FitImageActn"))
        ->setObjectName(QStringLiteral("ToolButton5"));
    ToolBar2->addWidget(NewLabel(QStringLiteral("Label5"), QStringLiteral("Y="), ToolBar2));
    Edit2 = NewEdit(QStringLiteral("Edit2"), QStringLiteral("0"), ToolBar2);
    ToolBar2->addWidget(Edit2);
    ToolBar2->addWidget(NewLabel(QStringLiteral("Label6"), QStringLiteral("dY="), ToolBar2));
    Edit1 = NewEdit(QStringLiteral("Edit1"), QStringLiteral("4000"), ToolBar2);
    ToolBar2->addWidget(Edit1);
    for (const char* name : {"SetScaleActn", "DivScaleBy10Actn", "MultScaleBy10Actn"})
        AddActionButton(*ToolBar2, QString::fromLatin1(name));
    ToolBar2->addSeparator();
    AddActionButton(*ToolBar2, QStringLiteral("StartStopActn"))
        ->setObjectName(QStringLiteral("ToolButton11"));
    AddActionButton(*ToolBar2, QStringLiteral("AddMarkActn"));
    ToolBar2->addSeparator();
    for (const char* name : {"PaintXAxisActn", "PaintYAxisActn", "PaintGridActn", "ShowBordersActn",
                             "ShowIntegeralActn"})
        AddActionButton(*ToolBar2, QString::fromLatin1(name));
    ToolBar2->addSeparator();
    FiltrSpinEdit = NewSpinEdit(QStringLiteral("FiltrSpinEdit"), 1, 30, 1, ToolBar2);
    FiltrSpinEdit->setToolTip(QStringLiteral("Ширина фильтра"));
    ToolBar2->addWidget(FiltrSpinEdit);
    AddActionButton(*ToolBar2, QStringLiteral("FilterActn"));
    ToolBar2->addSeparator();
    AddActionButton(*ToolBar2, QStringLiteral("ShowDerivativeActn"), QStringLiteral("Производная"));
    ToolBar2->addSeparator();
    WavesSpinEdit = NewSpinEdit(QStringLiteral("WavesSpinEdit"), 1, 30, 2, ToolBar2);
    WavesSpinEdit->setToolTip(QStringLiteral("Максимальное число точек перегиба"));
    ToolBar2->addWidget(WavesSpinEdit);
    AddActionButton(*ToolBar2, QStringLiteral("FindVolumesActn"), QStringLiteral("Поиск объёмов"));
    ToolBar2->addSeparator();
    AddActionButton(*ToolBar2, QStringLiteral("SetPeakBordersActn"))
        ->setObjectName(QStringLiteral("ToolButton23"));
    AddActionButton(*ToolBar2, QStringLiteral("PeakAutoSearchActn"));
    ToolBar2->addSeparator();
    AddActionButton(*ToolBar2, QStringLiteral("HelpContextActn"));

    connect(ComboBox1, &TPortComboBox::DropDown, this, &TForm1::ComboBox1DropDown);
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
    Button13 = Panel1->findChild<QPushButton*>(QStringLiteral("Button13"));
    Button14 = Panel1->findChild<QPushButton*>(QStringLiteral("Button14"));
    auto* checkBox3 = new QCheckBox(QStringLiteral("Число точек"), Panel1);
    checkBox3->setObjectName(QStringLiteral("CheckBox3"));
    row->addWidget(checkBox3);
    auto* trackBar1 = new QSlider(Qt::Horizontal, Panel1);
    trackBar1->setObjectName(QStringLiteral("TrackBar1"));
    trackBar1->setRange(0, 1000);
    row->addWidget(trackBar1);
    row->addWidget(NewLabel(QStringLiteral("StaticText4"), QString(), Panel1));
    SpinEdit4 = NewSpinEdit(QStringLiteral("SpinEdit4"), 0, 255, 0, Panel1);
    row->addWidget(SpinEdit4);
    Panel1->hide();
}

void TForm1::CreateStatusBar1()
{
    StatusBar1 = new TStatusPanels(QStringLiteral("StatusBar1"), {50, 50, 300, 200, 250}, this);
    setStatusBar(StatusBar1);
}

}
