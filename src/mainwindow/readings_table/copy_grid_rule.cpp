#include "mainwindow/readings_table/copy_grid_rule.h"

#include "mainwindow/rules/page_layout.h"

namespace lmv::mainwindow {

TCopiedGrid GridToCopy(int activePage)
{
    switch (activePage) {
    case TablePage:
        return TCopiedGrid::Readings;
    case ResultsPage:
        return TCopiedGrid::Results;
    default:
        return TCopiedGrid::None;
    }
}

bool CopyGridEnabled(int activePage) { return GridToCopy(activePage) != TCopiedGrid::None; }

}
