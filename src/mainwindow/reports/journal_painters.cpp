#include "mainwindow/reports/journal_painters.h"

#include "mainwindow/reports/page_drawing.h"

#include <vector>

namespace lmv::mainwindow::reports {

namespace {

// Two lines a row, 18 rows: 36 lines at this pitch below the headings.
constexpr double LinePitch = 12, HeadingLine = 16, Inset = 6;

struct THeading {
    QString text;
    double left, width;
    int line;  // 0 or 1
};

// Columns of the given widths from the left inset on; their left edges.
std::vector<double> ColumnLefts(const std::vector<double>& widths)
{
    std::vector<double> lefts;
    double left = Inset;
    for (double width : widths) {
        lefts.push_back(left);
        left += width;
    }
    return lefts;
}

void PaintJournal(const TPageDrawing& drawing, const QFont& font, double headingsTop,
                  const std::vector<THeading>& headings, const std::vector<double>& widths,
                  const service::reports::TJournalPage& page)
{
    drawing.Frame(QRectF(QPointF(0, 0), drawing.Size()));
    for (const THeading& heading : headings)
        drawing.Text(QRectF(heading.left, headingsTop + heading.line * HeadingLine, heading.width,
                            HeadingLine),
                     heading.text, font, Qt::AlignHCenter | Qt::AlignVCenter);
    const std::vector<double> lefts = ColumnLefts(widths);
    const double rowsTop = headingsTop + 2 * HeadingLine + 4;
    const double rowsHeight = 2 * LinePitch * service::reports::TJournalPage::RowsPerPage;
    for (std::size_t column = 0; column < page.columns.size() && column < widths.size(); ++column)
        drawing.Column(QRectF(lefts[column], rowsTop, widths[column], rowsHeight),
                       page.columns[column], LinePitch, font);
}

}

void PaintAgroJournalPage(QPainter& painter, const QPrinter& printer, const QFont& font,
                          const service::reports::TJournalPage& page)
{
    const TPageDrawing drawing(painter, printer);
    const double width = drawing.Size().width() - 2 * Inset;
    drawing.Text(
        QRectF(Inset, Inset, width, 18),
        QStringLiteral("Лабораторный журнал выполнения анализов на анализаторе ЗОРВИК_АГРА "), font,
        Qt::AlignHCenter | Qt::AlignVCenter);
    drawing.Text(QRectF(Inset, 26, 60, 14), QStringLiteral("Дата"), font);
    drawing.Text(QRectF(Inset + 70, 26, 60, 14), QStringLiteral("Время"), font);
    drawing.Text(QRectF(Inset, 40, 200, 14), page.printed, font);
    drawing.Text(QRectF(width / 2, 40, 80, 14), QStringLiteral("Агрохимик "), font);
    drawing.Text(QRectF(width / 2 + 80, 40, 200, 14), page.name, font);

    const double sample = 50, medium = 60, value = (width - sample - medium) / 12;
    std::vector<double> widths{sample, medium};
    widths.insert(widths.end(), 12, value);
    const std::vector<double> lefts = ColumnLefts(widths);
    std::vector<THeading> headings{{QStringLiteral("N п/п"), lefts[0], sample, 0},
                                   {QStringLiteral("пробы"), lefts[0], sample, 1},
                                   {QStringLiteral("среда "), lefts[1], medium, 1}};
    const QStringList ions{QStringLiteral("Нитрат"),  QStringLiteral("Калий"),
                           QStringLiteral("Аммоний"), QStringLiteral("Хлорид"),
                           QStringLiteral("Кальций"), QStringLiteral("Магний")};
    for (int ion = 0; ion < ions.size(); ++ion) {
        const double left = lefts[std::size_t(2 + 2 * ion)];
        headings.push_back({ions[ion], left, 2 * value, 0});
        headings.push_back({QStringLiteral("      мМ/л   |      мг/л       "), left, 2 * value, 1});
    }
    PaintJournal(drawing, font, 60, headings, widths, page);
}

void PaintIodineJournalPage(QPainter& painter, const QPrinter& printer, const QFont& font,
                            const service::reports::TJournalPage& page)
{
    const TPageDrawing drawing(painter, printer);
    const double width = drawing.Size().width() - 2 * Inset;
    drawing.Text(QRectF(Inset, Inset, width, 18),
                 QStringLiteral("Лабораторный журнал выполнения анализов на приборе ЗОРВИК_ЙОД "),
                 font, Qt::AlignHCenter | Qt::AlignVCenter);
    drawing.Text(QRectF(Inset, 30, 40, 14), QStringLiteral("Дата"), font);
    drawing.Text(QRectF(Inset + 40, 30, 160, 14), page.printed, font);
    drawing.Text(QRectF(width / 2, 30, 70, 14), QStringLiteral("Лаборант"), font);
    drawing.Text(QRectF(width / 2 + 70, 30, 160, 14), page.name, font);

    const double sample = 60, object = 130, value = (width - sample - object) / 3;
    const std::vector<double> widths{sample, object, value, value, value};
    const std::vector<double> lefts = ColumnLefts(widths);
    const std::vector<THeading> headings{
        {QStringLiteral("N п/п"), lefts[0], sample, 0},
        {QStringLiteral("пробы"), lefts[0], sample, 1},
        {QStringLiteral("объект"), lefts[1], object, 0},
        {QStringLiteral("Концентрация йодида в пробе мкг/л"), lefts[2], 3 * value, 0},
        {QStringLiteral("1"), lefts[2], value, 1},
        {QStringLiteral("2"), lefts[3], value, 1},
        {QStringLiteral("Результат"), lefts[4], value, 1}};
    PaintJournal(drawing, font, 56, headings, widths, page);
}

}
