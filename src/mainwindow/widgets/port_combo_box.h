#pragma once
// An editable drop-down that tells before its list opens, so the list can be read afresh.
#include <QComboBox>

namespace lmv::mainwindow {

class TPortComboBox : public QComboBox {
    Q_OBJECT
public:
    explicit TPortComboBox(const QString& name, QWidget* parent = nullptr);
    void showPopup() override;

    // Replaces the items and keeps the text the operator typed.
    void ReplaceItems(const QStringList& items);

signals:
    void DropDown();
};

}
