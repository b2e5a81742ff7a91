#pragma once
// The results page: its heading over the grid of the last titration's results. The controls are
// built on the window's page, so the window owns them.
#include <QObject>

class QLabel;
class QWidget;

namespace lmv::mainwindow {

class TStringGrid;

class TResultsPageView : public QObject {
public:
    TResultsPageView(QWidget* page, QObject* parent);

    TStringGrid& Grid() const { return *ResultsGrid; }

private:
    QLabel* Label7 = nullptr;
    TStringGrid* ResultsGrid = nullptr;
};

}
