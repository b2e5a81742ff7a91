#include "mainwindow/widgets/steady_tabs.h"

#include <algorithm>

namespace lmv::mainwindow {

void TSteadyTabBar::ForgetWidths()
{
    std::fill(widest_.begin(), widest_.end(), 0);
    // A caption set again lays the tabs out anew.
    for (int index = 0; index < count(); ++index)
        setTabText(index, tabText(index));
}

QSize TSteadyTabBar::tabSizeHint(int index) const
{
    QSize hint = QTabBar::tabSizeHint(index);
    if (index < 0 || std::size_t(index) >= widest_.size())
        return hint;
    int& widest = widest_[std::size_t(index)];
    widest = std::max(widest, hint.width());
    hint.setWidth(widest);
    return hint;
}

void TSteadyTabBar::tabInserted(int index)
{
    const std::size_t at = std::min(std::size_t(std::max(index, 0)), widest_.size());
    widest_.insert(widest_.begin() + std::ptrdiff_t(at), 0);
    QTabBar::tabInserted(index);
}

void TSteadyTabBar::tabRemoved(int index)
{
    if (index >= 0 && std::size_t(index) < widest_.size())
        widest_.erase(widest_.begin() + index);
    QTabBar::tabRemoved(index);
}

TSteadyTabWidget::TSteadyTabWidget(QWidget* parent) : QTabWidget(parent)
{
    setTabBar(new TSteadyTabBar(this));
}

void ForgetTabWidths(QTabWidget& pages)
{
    if (auto* bar = qobject_cast<TSteadyTabBar*>(pages.tabBar()))
        bar->ForgetWidths();
}

}
