#pragma once
// The removable-disk chooser: one line per ready removable disk, "<root> Съемный диск", the
// first selected. The disks come from the desktop, so a test lists folders of its own.
#include "common/desktop.h"

#include <QDialog>
#include <QString>
#include <QStringList>

class QListWidget;
class QPushButton;

namespace lmv::mainwindow {

class TDiscForm : public QDialog {
    Q_OBJECT
public:
    TDiscForm(common::TDesktop& desktop, QWidget* mainWindow);

    void ScanDrives();
    int CountRemovableDrives();
    // The root of the selected line; '' when none is selected.
    QString GetSelectedDrive() const;

    QListWidget* DiskBox = nullptr;
    QPushButton* Button1 = nullptr;
    QPushButton* Button2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    common::TDesktop& desktop_;
    QStringList Drives;
};

}
