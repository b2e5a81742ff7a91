#pragma once
// The page "Нолдирон": the titration device's method parameters, one fixed label and one framed
// value box per field. The controls are built on the window's page, so the window owns them.
#include <QObject>

class QLabel;
class QWidget;

namespace lmv::mainwindow {

struct TTitrationParamTexts;

class TTitrationParamsView : public QObject {
public:
    TTitrationParamsView(QWidget* page, QObject* parent);

    void Show(const TTitrationParamTexts& texts);

private:
    QLabel* StaticText54 = nullptr;  // "ion", hidden with its box
    QLabel *StaticText57 = nullptr, *StaticText58 = nullptr, *StaticText59 = nullptr,
           *StaticText60 = nullptr, *StaticText61 = nullptr, *StaticText62 = nullptr,
           *StaticText63 = nullptr, *StaticText64 = nullptr, *StaticText65 = nullptr,
           *StaticText67 = nullptr, *StaticText69 = nullptr, *StaticText71 = nullptr;
};

}
