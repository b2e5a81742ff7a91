#include "mainwindow/widgets/status_panels.h"

#include <QLabel>

namespace lmv::mainwindow {

TStatusPanels::TStatusPanels(const QString& name, const QList<int>& widths, QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(name);
    setSizeGripEnabled(false);
    for (int width : widths) {
        auto* panel = new QLabel(this);
        panel->setObjectName(name + QStringLiteral("Panel%1").arg(panels_.size()));
        panel->setFixedWidth(width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(panel);
        panels_ << panel;
    }
}

int TStatusPanels::PanelWidth(int index) const { return panels_.at(index)->width(); }
QString TStatusPanels::PanelText(int index) const { return panels_.at(index)->text(); }
void TStatusPanels::SetPanelText(int index, const QString& text)
{
    panels_.at(index)->setText(text);
}

}
