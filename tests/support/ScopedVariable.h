#pragma once

#include <QByteArray>
#include <QString>
#include <optional>
#include <string>

// An environment variable set (or removed) for one scope, then restored.
class ScopedVariable {
public:
    ScopedVariable(const QByteArray& name, const std::optional<std::string>& value)
        : name_(name), had_(qEnvironmentVariableIsSet(name.constData())), previous_(qgetenv(name.constData()))
    {
        if (value)
            qputenv(name_.constData(), QByteArray::fromStdString(*value));
        else
            qunsetenv(name_.constData());
    }
    ~ScopedVariable()
    {
        if (had_)
            qputenv(name_.constData(), previous_);
        else
            qunsetenv(name_.constData());
    }
    ScopedVariable(const ScopedVariable&) = delete;
    ScopedVariable& operator=(const ScopedVariable&) = delete;

private:
    QByteArray name_;
    bool had_;
    QByteArray previous_;
};

// Points COMn at a device for the life of the object.
class ComPortVariable : public ScopedVariable {
public:
    ComPortVariable(int commPort, const QString& device)
        : ScopedVariable("TAVLO_COM" + QByteArray::number(commPort), device.toLocal8Bit().toStdString())
    {
    }
};
