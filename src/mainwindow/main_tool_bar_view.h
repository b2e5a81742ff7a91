#pragma once
// The main tool bar ToolBar2 with the port chooser, its lamp and the connect button, the scale
// fields and the tools of the chart and the run, and beside it or below it CurveToolBar with the
// curve tools and help. The bars are the window's own, on its top area.
#include <QObject>
#include <QString>
#include <map>

class QLineEdit;
class QMainWindow;
class QSpinBox;
class QToolBar;
class QToolButton;

namespace lmv::mainwindow {

class TAction;
class TLampShape;
class TPortComboBox;

class TMainToolBarView : public QObject {
public:
    // The tools are the window's actions, by component name.
    TMainToolBarView(QMainWindow& window, const std::map<QString, TAction*>& actions,
                     QObject* parent);

    QToolBar& MainBar() const { return *ToolBar2; }
    QToolBar& CurveBar() const { return *CurveToolBar; }
    TPortComboBox& PortChooser() const { return *ComboBox1; }
    TLampShape& Lamp() const { return *Shape1; }
    // The scale fields: Edit2 the centre, Edit1 the height.
    QLineEdit& ScaleCentre() const { return *Edit2; }
    QLineEdit& ScaleHeight() const { return *Edit1; }
    QSpinBox& FilterWidth() const { return *FiltrSpinEdit; }
    QSpinBox& MaxInflections() const { return *WavesSpinEdit; }

    // The two bars share a row only when it holds all their tools; again after each resize.
    void PlaceCurveToolBar();

private:
    QToolBar* NewMainToolBar(const QString& name);
    QToolButton* AddActionButton(QToolBar& bar, const QString& actionName,
                                 const QString& caption = {});
    void CreateToolBar2();
    void CreateCurveToolBar();

    QMainWindow& window_;
    const std::map<QString, TAction*>& actions_;
    QToolBar* ToolBar2 = nullptr;
    QToolBar* CurveToolBar = nullptr;
    TPortComboBox* ComboBox1 = nullptr;
    TLampShape* Shape1 = nullptr;
    QToolButton* Button1 = nullptr;
    QLineEdit* Edit1 = nullptr;
    QLineEdit* Edit2 = nullptr;
    QSpinBox* FiltrSpinEdit = nullptr;
    QSpinBox* WavesSpinEdit = nullptr;
};

}
