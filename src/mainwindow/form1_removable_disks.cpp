// Browsing a removable disk: its records are listed read-only, and the live record keeps saving
// into the record folder, so a disk may be browsed while a recording runs.
#include "mainwindow/form1.h"

#include "mainwindow/widgets/disc_form.h"
#include "store/record_folder.h"

#include <QListWidget>

namespace lmv::mainwindow {

void TForm1::OpenFlashBaseActnExecute()
{
    const int count = DiscForm->CountRemovableDrives();
    if (count == 0) {
        notifier_.MessageBox(QStringLiteral("Съемные диски не найдены!"), common::BoxIcon::None);
        return;
    }
    if (count > 1 && desktop_.ExecModal(*DiscForm) != QDialog::Accepted)
        return;
    const QString root = DiscForm->GetSelectedDrive();
    if (root.isEmpty())
        return;
    SavePropsAndClosePropForm();
    store_.SetBrowseDir(root);
    ShowListedFolder();
}

}
