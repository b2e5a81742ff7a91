#pragma once
// The rows of the results page: every equivalence volume of the primary solver, then of the
// external one, each beside the value its mark stands at.
#include <QList>
#include <QStringList>
#include <vector>

namespace lmv::mainwindow {

struct TSolverResults {
    std::vector<double> volumes;
    std::vector<double> values;  // one per volume, in marker order
};

// The heading row ("Объём, мл", "Значение") and one row per volume; with no volume at all one
// empty row. A volume without its value gets an empty value cell.
QList<QStringList> ResultsRows(const TSolverResults& primary, const TSolverResults& external);

}
