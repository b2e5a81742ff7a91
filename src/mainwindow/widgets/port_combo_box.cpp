#include "mainwindow/widgets/port_combo_box.h"

namespace lmv::mainwindow {

TPortComboBox::TPortComboBox(const QString& name, QWidget* parent) : QComboBox(parent)
{
    setObjectName(name);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
}

void TPortComboBox::showPopup()
{
    emit DropDown();
    QComboBox::showPopup();
}

void TPortComboBox::ReplaceItems(const QStringList& items)
{
    const QString typed = currentText();
    clear();
    addItems(items);
    setCurrentIndex(-1);
    setEditText(typed);
}

}
