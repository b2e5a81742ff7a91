#include "mainwindow/results_page_view.h"

#include "mainwindow/widgets/named_control.h"
#include "mainwindow/widgets/string_grid.h"

#include <QLabel>
#include <QVBoxLayout>

namespace lmv::mainwindow {

TResultsPageView::TResultsPageView(QWidget* page, QObject* parent) : QObject(parent)
{
    auto* column = new QVBoxLayout(page);
    column->setContentsMargins(2, 2, 2, 2);
    Label7 =
        NewNamed<QLabel>(QStringLiteral("Label7"), QStringLiteral("Результаты измерения"), page);
    column->addWidget(Label7);
    ResultsGrid = new TStringGrid(QStringLiteral("ResultsGrid"), 3, 2, page);
    column->addWidget(ResultsGrid);
}

}
