#include "mainwindow/widgets/box_placement.h"

#include <QApplication>
#include <QDialog>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGridLayout>
#include <QLayout>
#include <QScopeGuard>
#include <QSpacerItem>
#include <QVariant>

namespace lmv::mainwindow {

namespace {

// A title bar's icon, its close, maximize and minimize buttons and its margins, as window
// managers draw them.
constexpr int TitleBarDecorationWidth = 140;

}

QWidget* WindowStayingOnTop(const QWidget* except)
{
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window != except && window->isVisible() && !window->isMinimized() &&
            window->windowFlags().testFlag(Qt::WindowStaysOnTopHint))
            return window;
    return nullptr;
}

QWidget* BoxParent(QWidget* window)
{
    if (QWidget* modal = QApplication::activeModalWidget())
        return modal;
    if (QWidget* onTop = WindowStayingOnTop())
        return onTop;
    return window;
}

int ExecAboveFrontWindow(QDialog& dialog)
{
    FitCaption(dialog);
    const bool above =
        !dialog.windowFlags().testFlag(Qt::WindowStaysOnTopHint) && WindowStayingOnTop(&dialog);
    if (!above)
        return dialog.exec();
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    const auto back =
        qScopeGuard([&dialog] { dialog.setWindowFlag(Qt::WindowStaysOnTopHint, false); });
    return dialog.exec();
}

int CaptionWidth(const QString& caption)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    font.setBold(true);
    return QFontMetrics(font).horizontalAdvance(caption) + TitleBarDecorationWidth;
}

// A row of the caption's width widens the dialog's layout, which sets the dialog's smallest
// width (a message box sizes itself to it as it is shown); a form shown again keeps one row.
void FitCaption(QDialog& dialog)
{
    const int width = CaptionWidth(dialog.windowTitle());
    dialog.minimumSizeHint();  // an input box makes its layout here, or as it is first shown
    QLayout* layout = dialog.layout();
    if (!layout) {
        dialog.setMinimumWidth(std::max(dialog.minimumWidth(), width));
        return;
    }
    const char* const fitted = "CaptionRowWidth";
    const QVariant before = dialog.property(fitted);
    for (int i = 0; before.isValid() && i < layout->count(); ++i)
        if (QSpacerItem* row = layout->itemAt(i)->spacerItem();
            row && row->sizeHint() == QSize(before.toInt(), 0)) {
            row->changeSize(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
            layout->invalidate();
            dialog.setProperty(fitted, width);
            return;
        }
    auto* row = new QSpacerItem(width, 0, QSizePolicy::Fixed, QSizePolicy::Minimum);
    if (auto* grid = qobject_cast<QGridLayout*>(layout))
        grid->addItem(row, grid->rowCount(), 0, 1, grid->columnCount());
    else
        layout->addItem(row);
    dialog.setProperty(fitted, width);
}

}
