#pragma once
// The page "Таблица": its tool bar with the interval between timed rows and the units switch, the
// readings grid, the corrosion meter's hidden panel and the table file's panel. The controls are
// built on the window's page, so the window owns them; the readings table keeps what they show.
#include <QObject>

class QAction;
class QCheckBox;
class QGroupBox;
class QLabel;
class QSpinBox;
class QToolBar;
class QWidget;

namespace lmv::mainwindow {

class TReadingsGridView;
class TReadingsTable;
class TReadingsTableModel;

// The tool bar's actions: adding a row now and on the timer, then removing one and clearing all.
struct TTablePageTools {
    QAction* addRow = nullptr;
    QAction* addRowWithTimer = nullptr;
    QAction* removeRow = nullptr;
    QAction* clear = nullptr;
};

class TTablePageView : public QObject {
public:
    TTablePageView(QWidget* page, TReadingsTable& table, TReadingsTableModel& model,
                   const TTablePageTools& tools, QObject* parent);

    TReadingsGridView& Grid() const { return *StringGrid1; }
    // Seconds between the rows added on the timer.
    QSpinBox& RowInterval() const { return *SpinEdit1; }
    QCheckBox& UnitsShown() const { return *CheckBox4; }
    // The corrosion meter's panel and its group, shown for that instrument only.
    QWidget& CorrosionPanel() const { return *Panel3; }
    QGroupBox& CorrosionBox() const { return *CorrosBox; }
    // The table file: whether rows go to it, its name and the lines written.
    QCheckBox& TableFileOn() const { return *CheckBox2; }
    QLabel& TableFileName() const { return *StaticText2; }
    QLabel& TableFileLines() const { return *StaticText3; }

private:
    void CreateToolBar(QWidget* page, const TTablePageTools& tools);
    void CreateCorrosionPanel(QWidget* page);
    void CreateTableFilePanel(QWidget* page);

    QToolBar* ToolBar3 = nullptr;
    QSpinBox* SpinEdit1 = nullptr;
    QCheckBox* CheckBox4 = nullptr;
    TReadingsGridView* StringGrid1 = nullptr;
    QWidget* Panel3 = nullptr;
    QGroupBox* CorrosBox = nullptr;
    QWidget* Panel4 = nullptr;
    QCheckBox* CheckBox2 = nullptr;
    QLabel* StaticText2 = nullptr;
    QLabel* StaticText3 = nullptr;
};

}
