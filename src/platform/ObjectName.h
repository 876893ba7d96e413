#pragma once

#include <QObject>
#include <QString>
#include <cstddef>

// Gives a new control the name by which it is found, and returns it.
template <class T>
T* WithName(T* object, const QString& name)
{
    object->setObjectName(name);
    return object;
}

// An element of a control array: "Name_i", counted from 0.
template <class T>
T* WithName(T* object, const QString& name, std::size_t index)
{
    return WithName(object, name + "_" + QString::number(index));
}
