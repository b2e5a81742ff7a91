#pragma once
// The record properties window "Параметры": the instrument's parameters of the record on screen
// for reading and copying, and its title and comments for editing. It lives as long as the main
// window; what its edits do is the window's business (SetOnEdited, SetOnClose).
#include "model/recording_model.h"

#include <QByteArray>
#include <QWidget>
#include <functional>

class QLineEdit;
class QPlainTextEdit;
class QTableWidget;

namespace lmv::mainwindow {

class TPropForm : public QWidget {
    Q_OBJECT
public:
    static constexpr int ColumnWidth = 140;

    explicit TPropForm(QWidget* mainWindow);

    // Filling the window is no edit: SetOnEdited is told only of the operator's typing.
    void ShowRecord(const model::TBaseRecord& rec, const QString& fileName);
    // The parameters grid alone, for a record already shown whose title and comments may be
    // being typed.
    void ShowParams(const model::TParamsArr& params);
    void InitGridHeader();
    QString Title() const;
    QByteArray Comments() const;  // Windows-1251, each line followed by CR LF
    // The selected block of cells (the current cell when nothing is selected) to the clipboard.
    void CopyGridSelection(const QTableWidget& grid);
    // Shows the window with the input focus in the title, ready for a new run's title.
    void ShowForTitle();

    void SetOnEdited(std::function<void()> handler) { onEdited_ = std::move(handler); }
    void SetOnClose(std::function<void()> handler) { onClose_ = std::move(handler); }

    QTableWidget* PropGrid = nullptr;
    QLineEdit* TitleEdit = nullptr;
    QPlainTextEdit* CommentsMemo = nullptr;

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateControls();
    void Edited();

    std::function<void()> onEdited_;
    std::function<void()> onClose_;
    bool filling_ = false;
    bool placed_ = false;
};

}
