#pragma once
// The texts a frame puts on screen: page captions, value fields, chart titles, status panels,
// the window caption, the titration parameters and errors, with the clock and the system's
// formats they are made with.
#include <QDateTime>
#include <QLocale>
#include <QString>

namespace lmv::mainwindow {

struct TTitrationParamTexts;

class TMeasurementTexts {
public:
    virtual ~TMeasurementTexts() = default;

    virtual QDateTime Now() const = 0;
    // The system's date order and time separator.
    virtual QLocale SystemLocale() const = 0;
    // "Единицы измерения": whether optional unit texts are shown.
    virtual bool UnitsShown() const = 0;

    virtual void SetPageCaption(int page, const QString& text) = 0;  // 0..4
    virtual void SetValueField(int field, const QString& text) = 0;  // the "4+1" page's 0..4
    virtual void SetChartTitle(int chart, const QString& text) = 0;  // Chart1..Chart4 as 0..3
    virtual void SetStatusPanel(int panel, const QString& text) = 0;
    virtual void SetCaptionAndTitle(const QString& text) = 0;
    // Status panel 2.
    virtual void SetStatusText(const QString& text) = 0;
    virtual void ShowTitrationParams(const TTitrationParamTexts& texts) = 0;
    virtual void ShowError(const QString& message) = 0;
};

}
