#include "mainwindow/widgets/disc_form.h"

#include "mainwindow/desktop/disk_lines.h"
#include "mainwindow/widgets/named_control.h"

#include <QHBoxLayout>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace lmv::mainwindow {

TDiscForm::TDiscForm(common::TDesktop& desktop, QWidget* mainWindow)
    : QDialog(mainWindow, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint), desktop_(desktop)
{
    setObjectName(QStringLiteral("DiscForm"));
    setWindowTitle(QStringLiteral("Выберите диск"));
    auto* column = new QVBoxLayout(this);
    DiskBox = NewNamed<QListWidget>(QStringLiteral("DiskBox"), this);
    column->addWidget(DiskBox);
    auto* buttons = new QHBoxLayout;
    Button1 = NewNamed<QPushButton>(QStringLiteral("Button1"), QStringLiteral("OK"), this);
    Button1->setDefault(true);
    Button2 = NewNamed<QPushButton>(QStringLiteral("Button2"), QStringLiteral("Отмена"), this);
    buttons->addStretch();
    buttons->addWidget(Button1);
    buttons->addWidget(Button2);
    column->addLayout(buttons);
    connect(Button1, &QPushButton::clicked, this, &QDialog::accept);
    connect(Button2, &QPushButton::clicked, this, &QDialog::reject);
    connect(DiskBox, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
}

void TDiscForm::ScanDrives()
{
    Drives.clear();
    for (const QString& root : desktop_.RemovableDisks())
        Drives << DiskLine(root);
    DiskBox->clear();
    DiskBox->addItems(Drives);
    if (!Drives.isEmpty())
        DiskBox->setCurrentRow(0);
}

int TDiscForm::CountRemovableDrives()
{
    ScanDrives();
    return DiskBox->count();
}

QString TDiscForm::GetSelectedDrive() const
{
    const QListWidgetItem* line = DiskBox->currentItem();
    return line && line->isSelected() ? RootOfDiskLine(line->text()) : QString();
}

void TDiscForm::showEvent(QShowEvent* event)
{
    if (parentWidget())
        move(parentWidget()->geometry().center() - rect().center());
    QDialog::showEvent(event);
}

}
