#include "support/ComPortVariable.h"

#include <QtGlobal>

ComPortVariable::ComPortVariable(int commPort, const QString& device)
    : name_("TAVLO_COM" + QByteArray::number(commPort)),
      previous_(qgetenv(name_.constData())),
      hadPrevious_(qEnvironmentVariableIsSet(name_.constData()))
{
    qputenv(name_.constData(), device.toLocal8Bit());
}

ComPortVariable::~ComPortVariable()
{
    if (hadPrevious_)
        qputenv(name_.constData(), previous_);
    else
        qunsetenv(name_.constData());
}
