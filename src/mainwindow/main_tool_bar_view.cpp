// The main tool bars' controls, in the form's order.
#include "mainwindow/main_tool_bar_view.h"

#include "mainwindow/action.h"
#include "mainwindow/widgets/lamp_shape.h"
#include "mainwindow/widgets/named_control.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/scale_field.h"
#include "mainwindow/widgets/tight_tool_bar.h"
#include "mainwindow/widgets/tool_icons.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
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

QSpinBox* NewSpinEdit(const QString& name, int value, QWidget* parent)
{
    auto* edit = NewNamed<QSpinBox>(name, parent);
    edit->setRange(1, 30);
    edit->setValue(value);
    edit->setFixedWidth(44);
    return edit;
}

}

// The form's tools, in its order, on two bars: the scale fields are wide enough for their
// numbers, so that at the form's 968 pixels not every tool fits one row.
TMainToolBarView::TMainToolBarView(QMainWindow& window, const std::map<QString, TAction*>& actions,
                                   QObject* parent)
    : QObject(parent), window_(window), actions_(actions)
{
    CreateToolBar2();
    CreateCurveToolBar();
    PlaceCurveToolBar();
}

// A button for the action; a caption of its own gives a text button that still follows the
// action's enabled state and executes it.
QToolButton* TMainToolBarView::AddActionButton(QToolBar& bar, const QString& actionName,
                                               const QString& caption)
{
    TAction& action = *actions_.at(actionName);
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

QToolBar* TMainToolBarView::NewMainToolBar(const QString& name)
{
    auto* bar = NewNamed<QToolBar>(name, &window_);
    bar->setMovable(false);
    bar->setFloatable(false);
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    bar->setIconSize(QSize(ToolIconSide, ToolIconSide));
    MakeTight(*bar);
    window_.addToolBar(Qt::TopToolBarArea, bar);
    return bar;
}

void TMainToolBarView::CreateToolBar2()
{
    ToolBar2 = NewMainToolBar(QStringLiteral("ToolBar2"));

    ComboBox1 = new TPortComboBox(QStringLiteral("ComboBox1"), ToolBar2);
    ComboBox1->setEditText(QStringLiteral("COM??"));
    ComboBox1->setFixedWidth(ChooserWidthFor(*ComboBox1));
    ComboBox1->setProperty("HelpContext", 5);
    ToolBar2->addWidget(ComboBox1);
    Shape1 = new TLampShape(QStringLiteral("Shape1"), QSize(8, 22), ToolBar2);
    ToolBar2->addWidget(Shape1);
    Button1 = NewNamed<QToolButton>(QStringLiteral("Button1"), ToolBar2);
    Button1->setDefaultAction(actions_.at(QStringLiteral("ConnectActn"))->Action());
    Button1->setToolButtonStyle(Qt::ToolButtonTextOnly);
    Button1->setProperty("HelpContext", 5);
    ToolBar2->addWidget(Button1);
    ToolBar2->addSeparator();

    AddActionButton(*ToolBar2, QStringLiteral("FitImageActn"))
        ->setObjectName(QStringLiteral("ToolButton5"));
    ToolBar2->addWidget(NewNamed<QLabel>(QStringLiteral("Label5"), QStringLiteral("Y="), ToolBar2));
    Edit2 = NewScaleField(QStringLiteral("Edit2"), QStringLiteral("0"), ToolBar2);
    ToolBar2->addWidget(Edit2);
    ToolBar2->addWidget(
        NewNamed<QLabel>(QStringLiteral("Label6"), QStringLiteral("dY="), ToolBar2));
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
}

void TMainToolBarView::CreateCurveToolBar()
{
    CurveToolBar = NewMainToolBar(QStringLiteral("CurveToolBar"));
    FiltrSpinEdit = NewSpinEdit(QStringLiteral("FiltrSpinEdit"), 1, CurveToolBar);
    FiltrSpinEdit->setToolTip(QStringLiteral("Ширина фильтра"));
    CurveToolBar->addWidget(FiltrSpinEdit);
    AddActionButton(*CurveToolBar, QStringLiteral("FilterActn"));
    CurveToolBar->addSeparator();
    AddActionButton(*CurveToolBar, QStringLiteral("ShowDerivativeActn"),
                    QStringLiteral("Производная"));
    CurveToolBar->addSeparator();
    WavesSpinEdit = NewSpinEdit(QStringLiteral("WavesSpinEdit"), 2, CurveToolBar);
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
}

// The main window puts tool bars of a row side by side, with no gap.
void TMainToolBarView::PlaceCurveToolBar()
{
    const bool ownRow =
        ToolBar2->sizeHint().width() + CurveToolBar->sizeHint().width() > window_.width();
    if (ownRow == window_.toolBarBreak(CurveToolBar))
        return;
    if (ownRow)
        window_.insertToolBarBreak(CurveToolBar);
    else
        window_.removeToolBarBreak(CurveToolBar);
}

}
