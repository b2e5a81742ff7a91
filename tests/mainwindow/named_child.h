#pragma once
// A control or series of the window by its component name (its objectName): the tests reach the
// window's controls as the operator does, never through its members.
#include <QObject>
#include <QString>
#include <stdexcept>

namespace lmv::test {

template <class T> T& Named(const QObject& root, const QString& name)
{
    T* found = root.findChild<T*>(name);
    if (!found)
        throw std::runtime_error("no " + name.toStdString() + " of that kind");
    return *found;
}

}
