#pragma once
// A status bar of fixed-width text panels, addressed by index.
#include <QList>
#include <QStatusBar>

class QLabel;

namespace lmv::mainwindow {

class TStatusPanels : public QStatusBar {
    Q_OBJECT
public:
    TStatusPanels(const QString& name, const QList<int>& widths, QWidget* parent = nullptr);
    int PanelCount() const { return panels_.size(); }
    int PanelWidth(int index) const;
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);

private:
    QList<QLabel*> panels_;
};

}
