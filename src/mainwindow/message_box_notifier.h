#pragma once
// The program's beep and message boxes: QApplication::beep and QMessageBox over the main window,
// or over the window in front of it, as wide as their captions (widgets/box_placement.h).
#include "common/notifier.h"

class QWidget;

namespace lmv::mainwindow {

class TMessageBoxNotifier : public common::Notifier {
public:
    void SetParentWindow(QWidget* window) { window_ = window; }
    void Beep() override;
    common::BoxAnswer MessageBox(const QString& text, common::BoxIcon icon,
                                 common::BoxButtons buttons, const QString& title) override;

private:
    QWidget* window_ = nullptr;
};

}
