#pragma once
// The pages of the connected device type: which type they are laid out for, and the "4+1" page's
// lines that the general types draw on directly.

namespace lmv::mainwindow {

// Pages "Канал 1" to "Канал 4" and "Температура".
constexpr int TemperaturePage = 4;
// The record channel of temperatures.
constexpr int TemperatureChannel = 4;
// Lines of the "4+1" page that the general types draw on directly.
enum class TFourPlusOneLine { First, Second };

class TDevicePages {
public:
    virtual ~TDevicePages() = default;

    virtual int DeviceType() const = 0;
    // Takes the code and shows its pages and, for the corrosion meter, its notebook controls.
    virtual void ChangeDeviceType(int code) = 0;
    virtual void SetAddRowEnabled(bool enabled) = 0;
    virtual void AddFourPlusOnePoint(TFourPlusOneLine line, double x, double y) = 0;
};

}
