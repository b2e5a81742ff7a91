// The main tool bar, the hidden paging and test panel, and the status bar.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/scale_field.h"
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

QToolBar* TForm1::NewMainToolBar(const QString& name)
{
    auto* bar = new QToolBar(this);
    bar->setObjectName(name);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setIconSize(QSize(ToolIconSide, ToolIconSide));
    MakeTight(*bar);
    addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

// The form's tools, in its order, on two bars: the scale fields are wide enough for their
// numbers, so that at the form's 968 pixels not every tool fits one row.
void TForm1::CreateToolBar2()
{
    for (const QString& name : ActionsWithIcons())
        Actn(name).Action()->setIcon(ToolIcon(name));

    ToolBar2 = NewMainToolBar(QStringLiteral("ToolBar2"));

    ComboBox1 = new TPortComboBox(QStringLiteral("ComboBox1"), ToolBar2);
    ComboBox1->setEditText(QStringLiteral("COM??"));
    ComboBox1->setFixedWidth(ChooserWidthFor(*ComboBox1));
    ComboBox1->setProperty("HelpContext", 5);
    ToolBar2->addWidget(ComboBox1);
    Shape1 = new TLampShape(QStringLiteral("Shape1"), QSize(8, 22), ToolBar2);
    ToolBar2->addWidget(Shape1);
    Button1 = new QToolButton(ToolBar2);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefaultAction(Actn(TActionId::ConnectActn).Action());
    Button1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Button1->setProperty("HelpContext", 5);
    ToolBar2->addWidget(Button1);
    ToolBar2->addSeparator();

    AddActionButton(*ToolBar2, QStringLiteral("FitImageActn"))
        ->setObjectName(QStringLiteral("ToolButton5"));
    ToolBar2->addWidget(NewLabel(QStringLiteral("Label5"), QStringLiteral("Y="), ToolBar2));
    Edit2 = NewScaleField(QStringLiteral("Edit2"), QStringLiteral("0"), ToolBar2);
    ToolBar2->addWidget(Edit2);
    ToolBar2->addWidget(NewLabel(QStringLiteral("Label6"), QStringLiteral("dY="), ToolBar2));
    Edit1 = NewScaleField(QStringLiteral("Edit1"), QStringLiteral("4000"), ToolBar2);
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

    CurveToolBar = NewMainToolBar(QStringLiteral("CurveToolBar"));
    FiltrSpinEdit = NewSpinEdit(QStringLiteral("FiltrSpinEdit"), 1, 30, 1, CurveToolBar);
    FiltrSpinEdit->setToolTip(QStringLiteral("Ширина фильтра"));
    CurveToolBar->addWidget(FiltrSpinEdit);
    AddActionButton(*CurveToolBar, QStringLiteral("FilterActn"));
    CurveToolBar->addSeparator();
    AddActionButton(*CurveToolBar, QStringLiteral("ShowDerivativeActn"),
                    QStringLiteral("Производная"));
    CurveToolBar->addSeparator();
    WavesSpinEdit = NewSpinEdit(QStringLiteral("WavesSpinEdit"), 1, 30, 2, CurveToolBar);
    WavesSpinEdit->setToolTip(QStringLiteral("Максимальное число точек перегиба"));
    CurveToolBar->addWidget(WavesSpinEdit);
    AddActionButton(*CurveToolBar, QStringLiteral("FindVolumesActn"),
                    QStringLiteral("Поиск объёмов"));
    CurveToolBar->addSeparator();
    AddActionButton(*CurveToolBar, QStringLiteral("SetPeakBordersActn"))
        ->setObjectName(QStringLiteral("ToolButton23"));
    AddActionButton(*CurveToolBar, QStringLiteral("PeakAutoSearchActn"));
    CurveToolBar->addSeparator();
    AddActionButton(*CurveToolBar, QStringLiteral("HelpContextActn"));
    PlaceCurveToolBar();

    connect(ComboBox1, &TPortComboBox::DropDown, this, &TForm1::ComboBox1DropDown);
}

// The two bars share a row only when it holds all their tools (the main window puts tool bars
// of a row side by side, with no gap).
void TForm1::PlaceCurveToolBar()
{
    if (!ToolBar2 || !CurveToolBar)
        return;
    const bool ownRow = ToolBar2->sizeHint().width() + CurveToolBar->sizeHint().width() > width();
    if (ownRow == toolBarBreak(CurveToolBar))
        return;
    if (ownRow)
        insertToolBarBreak(CurveToolBar);
    else
        removeToolBarBreak(CurveToolBar);
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    PlaceCurveToolBar();
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
