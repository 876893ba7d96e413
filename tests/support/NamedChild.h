#pragma once

#include <QObject>
#include <QString>
#include <gtest/gtest.h>
#include <stdexcept>

// A control found by its objectName, as the tests reach every control of a
// form. A missing control fails the test at once.
template <class T>
T* Named(const QObject& parent, const QString& name)
{
    T* child = parent.findChild<T*>(name);
    if (child == nullptr) {
        ADD_FAILURE() << "no control named " << name.toStdString();
        throw std::runtime_error("missing control " + name.toStdString());
    }
    return child;
}

// An element of a control array, named "Name_i".
template <class T>
T* Named(const QObject& parent, const QString& name, int index)
{
    return Named<T>(parent, name + "_" + QString::number(index));
}
