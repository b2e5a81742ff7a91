// Browsing a removable disk: its records are listed read-only, and the live record keeps saving
// into the record folder, so a disk may be browsed while a recording runs.
#include "mainwindow/record_list_commands.h"

#include "common/desktop.h"
#include "common/notifier.h"
#include "mainwindow/widgets/disc_form.h"
#include "store/record_folder.h"

namespace lmv::mainwindow {

void TRecordListCommands::OpenFlashBaseActnExecute()
{
    const int count = discForm_->CountRemovableDrives();
    if (count == 0) {
        parts_.notifier.MessageBox(QStringLiteral("Съемные диски не найдены!"),
                                   common::BoxIcon::None);
        return;
    }
    if (count > 1 && parts_.desktop.ExecModal(*discForm_) != QDialog::Accepted)
        return;
    const QString root = discForm_->GetSelectedDrive();
    if (root.isEmpty())
        return;
    parts_.leaveShownRecord();
    parts_.store.SetBrowseDir(root);
    ShowListedFolder();
}

}
