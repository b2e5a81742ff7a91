#pragma once
// A page control whose tabs keep their place while readings are written into their captions
// with every frame: a tab is as wide as the widest caption it has had, so a
// shorter reading never narrows it and the tabs right of it never shift under the mouse. What
// a tab has had is forgotten when the link closes and when the instrument changes.
#include <QTabBar>
#include <QTabWidget>
#include <vector>

namespace lmv::mainwindow {

class TSteadyTabBar : public QTabBar {
    Q_OBJECT
public:
    using QTabBar::QTabBar;

    // Each tab back to the width of its caption of now.
    void ForgetWidths();

protected:
    QSize tabSizeHint(int index) const override;
    void tabInserted(int index) override;
    void tabRemoved(int index) override;

private:
    mutable std::vector<int> widest_;  // by tab index
};

class TSteadyTabWidget : public QTabWidget {
    Q_OBJECT
public:
    explicit TSteadyTabWidget(QWidget* parent = nullptr);
};

// The steady tab bar of a page control made as a TSteadyTabWidget: its widths forgotten.
void ForgetTabWidths(QTabWidget& pages);

}
