// The "Y=" and "dY=" fields applied to a chart's left axis.
#include "mainwindow/view_tools_commands.h"

#include "common/notifier.h"
#include "common/number_text.h"
#include "mainwindow/channel_pages_view.h"
#include "mainwindow/chart/chart.h"
#include "mainwindow/curves/curve.h"
#include "mainwindow/main_tool_bar_view.h"
#include "mainwindow/widgets/scale_field.h"

#include <QLineEdit>
#include <QTabWidget>
#include <optional>

namespace lmv::mainwindow {

namespace {

constexpr int FieldDigits = 8;
constexpr int FieldDecimals = 2;

// The field's text with commas made points, written back, and read as a number.
std::optional<double> ReadScaleField(QLineEdit& field)
{
    const QString text = common::CommasToPoints(field.text());
    WriteScaleField(field, text);
    return common::ParseFloat(text);
}

}

void TViewTools::ApplyScale(TChart& chart)
{
    TChartAxis& left = chart.LeftAxis();
    const double centre = (left.Maximum() + left.Minimum()) / 2;
    const std::optional<double> y = ReadScaleField(parts_.toolBars.ScaleCentre());
    if (!y) {
        parts_.notifier.MessageBox(QStringLiteral("Ошибка ввода Y"), common::BoxIcon::Error,
                                   common::BoxButtons::Ok);
        WriteScaleField(parts_.toolBars.ScaleCentre(),
                        common::FixedText(centre, FieldDigits, FieldDecimals));
    } else if (const std::optional<double> dy = ReadScaleField(parts_.toolBars.ScaleHeight());
               !dy) {
        parts_.notifier.MessageBox(QStringLiteral("Ошибка ввода dY"), common::BoxIcon::Error,
                                   common::BoxButtons::Ok);
        WriteScaleField(parts_.toolBars.ScaleHeight(),
                        common::FixedText(left.Maximum() - centre, FieldDigits, FieldDecimals));
    } else {
        left.SetMinMax(*y - *dy, *y + *dy);
    }

    TChart* current = parts_.currentChart();
    const TCurve* curve = parts_.currentCurve();
    if (current && curve && curve->Count() > 0 && curve->X(0) != curve->X(curve->Count() - 1))
        current->BottomAxis().SetMinMax(curve->X(0), curve->X(curve->Count() - 1));
    chart.Refresh();
}

}
