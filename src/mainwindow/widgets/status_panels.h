#pragma once
// A status bar of fixed-width text panels, addressed by index.
#include <QList>
#include <QStatusBar>
#include <functional>

class QLabel;
class QTimer;

namespace lmv::mainwindow {

class TStatusPanels : public QStatusBar {
    Q_OBJECT
public:
    TStatusPanels(const QString& name, const QList<int>& widths, QWidget* parent = nullptr);
    int PanelCount() const { return panels_.size(); }
    int PanelWidth(int index) const;
    QString PanelText(int index) const;
    void SetPanelText(int index, const QString& text);
    // Shows the text in the panel for BriefMs, then what `restore` gives at that moment; a new
    // call starts the time afresh.
    void ShowBriefly(int index, const QString& text, std::function<QString()> restore);

    static constexpr int BriefMs = 5000;

private:
    QList<QLabel*> panels_;
    QTimer* briefTimer_ = nullptr;
    int briefPanel_ = -1;
    std::function<QString()> restore_;
};

}
