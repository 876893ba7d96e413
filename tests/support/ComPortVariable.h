#pragma once

#include <QByteArray>
#include <QString>

// Points COMn at a device for the life of the object, then restores the
// variable as it was.
class ComPortVariable {
public:
    ComPortVariable(int commPort, const QString& device);
    ~ComPortVariable();
    ComPortVariable(const ComPortVariable&) = delete;
    ComPortVariable& operator=(const ComPortVariable&) = delete;

private:
    QByteArray name_;
    QByteArray previous_;
    bool hadPrevious_;
};
