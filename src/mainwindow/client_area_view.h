#pragma once
// The window's central area and its status bar: the hidden paging and test panel Panel1 above,
// Splitter1 with the record area and the pages side by side, ConnectPanel over the pages while no
// instrument is connected, and StatusBar1. The record area and the pages are built by their own
// views, in the places given to them here: the record area into the splitter first, then the
// page control into the pages area.
#include <QObject>

class QLabel;
class QMainWindow;
class QSplitter;
class QVBoxLayout;
class QWidget;

namespace lmv::mainwindow {

class TStatusPanels;

class TClientAreaView : public QObject {
public:
    explicit TClientAreaView(QMainWindow& window);

    QSplitter& Splitter() const { return *Splitter1; }
    // The pages area right of the record area, with ConnectPanel at its top.
    QWidget& AddPagesArea();
    // The page control under ConnectPanel, the splitter's widths at the form's width, and the
    // status bar.
    void Complete(QWidget& pageControl, int formWidth);

    QWidget& TestPanel() const { return *Panel1; }
    QLabel& ConnectPanel() const { return *ConnectPanel_; }
    TStatusPanels& Status() const { return *StatusBar1; }
    // The panel of the window's status texts.
    static constexpr int StatusPanel = 2;

private:
    void CreatePanel1();

    QMainWindow& window_;
    QWidget* central_ = nullptr;
    QVBoxLayout* column_ = nullptr;
    QWidget* pagesArea_ = nullptr;
    QVBoxLayout* pagesColumn_ = nullptr;
    QWidget* Panel1 = nullptr;
    QSplitter* Splitter1 = nullptr;
    QLabel* ConnectPanel_ = nullptr;
    TStatusPanels* StatusBar1 = nullptr;
};

}
