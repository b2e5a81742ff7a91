#include "mainwindow/widgets/status_panels.h"
#include "mainwindow/widgets/named_control.h"

#include <QLabel>
#include <QTimer>

namespace lmv::mainwindow {

TStatusPanels::TStatusPanels(const QString& name, const QList<int>& widths, QWidget* parent)
    : QStatusBar(parent)
{
    setObjectName(name);
    setSizeGripEnabled(false);
    for (int width : widths) {
        auto* panel = NewNamed<QLabel>(name + QStringLiteral("Panel%1").arg(panels_.size()), this);
        panel->setFixedWidth(width);
        panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        addWidget(panel);
        panels_ << panel;
    }
    briefTimer_ = new QTimer(this);
    briefTimer_->setSingleShot(true);
    briefTimer_->setInterval(BriefMs);
    connect(briefTimer_, &QTimer::timeout, this, [this] {
        if (restore_)
            SetPanelText(briefPanel_, restore_());
    });
}

int TStatusPanels::PanelWidth(int index) const { return panels_.at(index)->width(); }
QString TStatusPanels::PanelText(int index) const { return panels_.at(index)->text(); }
void TStatusPanels::SetPanelText(int index, const QString& text)
{
    panels_.at(index)->setText(text);
}

void TStatusPanels::ShowBriefly(int index, const QString& text, std::function<QString()> restore)
{
    briefPanel_ = index;
    restore_ = std::move(restore);
    SetPanelText(index, text);
    briefTimer_->start();
}

}
