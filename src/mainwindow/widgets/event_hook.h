#pragma once
// Sees the events of the objects it is installed on and hands them to a function; the events go
// on to their objects unless the function says it took them.
#include <QObject>
#include <functional>

namespace lmv::mainwindow {

class TEventHook : public QObject {
public:
    using THandler = std::function<bool(QObject* watched, QEvent* event)>;
    TEventHook(THandler handler, QObject* owner) : QObject(owner), handler_(std::move(handler)) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return handler_(watched, event); }

private:
    THandler handler_;
};

}
