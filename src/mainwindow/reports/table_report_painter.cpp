#include "mainwindow/reports/table_report_painter.h"

#include "mainwindow/reports/page_drawing.h"

namespace lmv::mainwindow::reports {

namespace {

constexpr double TitleHeight = 20, HeadingHeight = 14, RowPitch = 9;
constexpr double NumberColumnWidth = 50;

}

void PaintTablePage(QPainter& painter, const QPrinter& printer, const QFont& font,
                    const service::reports::TTablePage& page)
{
    using service::reports::TTablePage;
    const TPageDrawing drawing(painter, printer);
    const double width = drawing.Size().width();
    drawing.Text(QRectF(0, 0, width, TitleHeight), page.title, font);
    const double columnWidth = (width - NumberColumnWidth) / (TTablePage::Columns - 1);
    const double rowsTop = TitleHeight + HeadingHeight;
    const double rowsHeight = RowPitch * TTablePage::RowsPerPage;
    for (int column = 0; column < TTablePage::Columns; ++column) {
        const double left = column == 0 ? 0 : NumberColumnWidth + (column - 1) * columnWidth;
        const double w = column == 0 ? NumberColumnWidth : columnWidth;
        drawing.Text(QRectF(left, TitleHeight, w, HeadingHeight),
                     page.headings[std::size_t(column)], font, Qt::AlignLeft | Qt::AlignVCenter);
        drawing.Column(QRectF(left, rowsTop, w, rowsHeight), page.columns[std::size_t(column)],
                       RowPitch, font, Qt::AlignLeft);
    }
}

}
