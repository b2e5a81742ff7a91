#pragma once
// A control made with its component name: the tests, the help and the pictures find the window's
// controls by it.
#include <QString>
#include <utility>

namespace lmv::mainwindow {

template <class T, class... Args> T* NewNamed(const QString& name, Args&&... args)
{
    auto* control = new T(std::forward<Args>(args)...);
    control->setObjectName(name);
    return control;
}

}
