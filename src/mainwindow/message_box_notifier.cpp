#include "mainwindow/message_box_notifier.h"

#include "mainwindow/widgets/box_placement.h"

#include <QApplication>
#include <QMessageBox>

namespace lmv::mainwindow {

namespace {

QMessageBox::Icon BoxIconOf(common::BoxIcon icon)
{
    switch (icon) {
    case common::BoxIcon::Error:
        return QMessageBox::Critical;
    case common::BoxIcon::Warning:
        return QMessageBox::Warning;
    case common::BoxIcon::Information:
        return QMessageBox::Information;
    case common::BoxIcon::Question:
        return QMessageBox::Question;
    case common::BoxIcon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ButtonsOf(common::BoxButtons buttons)
{
    switch (buttons) {
    case common::BoxButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case common::BoxButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case common::BoxButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case common::BoxButtons::OkNo:
        return QMessageBox::Ok | QMessageBox::No;
    case common::BoxButtons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

common::BoxAnswer AnswerOf(int button)
{
    switch (button) {
    case QMessageBox::Yes:
        return common::BoxAnswer::Yes;
    case QMessageBox::No:
        return common::BoxAnswer::No;
    case QMessageBox::Cancel:
        return common::BoxAnswer::Cancel;
    default:
        return common::BoxAnswer::Ok;
    }
}

}

void TMessageBoxNotifier::Beep() { QApplication::beep(); }

common::BoxAnswer TMessageBoxNotifier::MessageBox(const QString& text, common::BoxIcon icon,
                                                  common::BoxButtons buttons, const QString& title)
{
    const QString caption = !title.isEmpty() ? title
        : window_                            ? window_->windowTitle()
                                             : QApplication::applicationName();
    QMessageBox box(BoxIconOf(icon), caption, text, ButtonsOf(buttons), BoxParent(window_));
    FitCaption(box);
    return AnswerOf(box.exec());
}

}
