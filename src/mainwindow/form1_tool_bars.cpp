// The main tool bars' glue: the pictures of the actions, the port chooser's list and the bars'
// rows after a resize.
#include "mainwindow/form1.h"

#include "mainwindow/action.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/widgets/port_combo_box.h"
#include "mainwindow/widgets/tool_icons.h"
#include "mainwindow/window_connection.h"

#include <QAction>

namespace lmv::mainwindow {

void TForm1::CreateToolBar2()
{
    for (const QString& name : ActionsWithIcons())
        Actn(name).Action()->setIcon(ToolIcon(name));
    ToolBars = new TMainToolBarView(*this, actions_, this);
    connect(&ToolBars->PortChooser(), &TPortComboBox::DropDown, this,
            [this] { Connection->ComboBox1DropDown(); });
}

void TForm1::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    if (ToolBars)
        ToolBars->PlaceCurveToolBar();
}

}
