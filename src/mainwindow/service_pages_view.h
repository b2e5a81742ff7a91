#pragma once
// The service pages "Калибровка", "Фотометр" and "Кондуктометр" with their clock and notebook
// groups, the corrosion meter's notebook request and the hidden test commands: their controls, and
// how a service's readout is shown in them. The controls are built on the window's pages, so the
// window owns them; the services keep what the pages show.
#include "mainwindow/reports/report_chart.h"

#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

namespace lmv::service {
class TGeneralCalibrationReadout;
class TPhotometerReadout;
class TConductometerReadout;
struct TNotebookFields;
}
namespace lmv::service::reports {
struct TCalibrationSheetInput;
}

namespace lmv::mainwindow {

class TChart;
class TChartSeries;
class TStringGrid;

// Where the controls go. The test panel already holds the two command buttons and the number
// edit in its own row; the view takes them from there.
struct TServicePageHosts {
    QWidget* calibrationPage = nullptr;
    QWidget* photometerPage = nullptr;
    QWidget* conductometerPage = nullptr;
    QWidget* corrosionBox = nullptr;
    QWidget* testPanel = nullptr;
};

class TServicePagesView : public QObject {
public:
    // The series belong to seriesOwner, as every chart series of the window does.
    TServicePagesView(const TServicePageHosts& hosts, QObject* seriesOwner, QObject* parent);

    // The start: the first calibration kind chosen, the grids' widths and the photometer's
    // headings.
    void Start();

    // A button by its component name, Button13, Button14 or Button20 to Button28.
    void OnClicked(const QString& button, const std::function<void()>& handler);

    // What the operator asks for, as the spin edits and the kind list hold it.
    int CalibrationKind() const;
    int CalibrationChannel() const;
    int CalibrationNumber() const;
    int PhotometerNumber() const;
    int ConductometerRange() const;
    int NotebookPage() const;
    void SetNotebookPage(int page);
    int CorrosionChannel() const;
    int TestReadNumber() const;

    void ShowGeneral(const service::TGeneralCalibrationReadout& readout);
    void ShowPhotometer(const service::TPhotometerReadout& readout);
    void ShowConductometer(const service::TConductometerReadout& readout);
    void ShowNotebook(const service::TNotebookFields& fields);
    void ShowPcClock(const QString& text);
    void ShowInstrumentClock(const QString& text);

    // The photometer page as the calibration sheet prints it, and its graduation chart.
    service::reports::TCalibrationSheetInput CalibrationSheetInput() const;
    std::unique_ptr<TChart> GraduationChartCopy(const QString& name) const;

private:
    // What the photometer's and the conductometer's pages name alike.
    struct TCalibrationPageNames {
        QString title;
        QString secondTitle;
        QString chart;
        QString edit;
        QString editCaption;
        int editMaximum = 1;
        QString button;
        QString grid;
        int gridColumns = 0;
        int gridRows = 0;
    };
    struct TCalibrationPage {
        TChart* chart = nullptr;
        QSpinBox* edit = nullptr;
        TStringGrid* grid = nullptr;
        QGroupBox* read = nullptr;
        QGridLayout* readRows = nullptr;
        QGroupBox* second = nullptr;
        QGridLayout* secondRows = nullptr;
    };
    TCalibrationPage LayOutCalibrationPage(QWidget* page, const TCalibrationPageNames& names);

    void CreateCalibrationPage(QWidget* page, QObject* seriesOwner);
    void CreatePhotometerPage(QWidget* page, QObject* seriesOwner);
    void CreateConductometerPage(QWidget* page, QObject* seriesOwner);
    void CreateCorrosionRow(QWidget* box);
    QPushButton* NewButton(const QString& name, const QString& caption, QWidget* parent);
    void TakeTestCommands(QWidget* panel);

    QComboBox* ComboBox2 = nullptr;
    QSpinBox *SpinEdit4 = nullptr, *SpinEdit5 = nullptr, *SpinEdit6 = nullptr, *SpinEdit7 = nullptr,
             *SpinEdit8 = nullptr, *SpinEdit9 = nullptr, *SpinEdit10 = nullptr;
    std::vector<QPushButton*> buttons_;  // by component name through OnClicked
    QLabel *StaticText16 = nullptr, *StaticText19 = nullptr, *StaticText20 = nullptr,
           *StaticText22 = nullptr, *StaticText23 = nullptr, *StaticText33 = nullptr,
           *StaticText37 = nullptr, *StaticText38 = nullptr, *StaticText40 = nullptr,
           *StaticText41 = nullptr, *StaticText42 = nullptr, *StaticText45 = nullptr,
           *StaticText49 = nullptr, *StaticText50 = nullptr, *StaticText51 = nullptr;
    std::array<QLabel*, 4> StaticText24To27{};
    std::array<QLabel*, 4> StaticText29To32{};
    TStringGrid *StringGrid2 = nullptr, *StringGrid3 = nullptr, *StringGrid4 = nullptr;
    TChart *Chart8 = nullptr, *Chart9 = nullptr, *Chart10 = nullptr;
    TChartSeries *Series9 = nullptr, *Series10 = nullptr, *Series11 = nullptr, *Series12 = nullptr,
                 *Series13 = nullptr, *Series14 = nullptr;
};

}
