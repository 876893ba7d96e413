#include "editor/Captions.h"

#include "model/Version.h"

#include <algorithm>

QString StartUpCaption()
{
    return QString("Tavlo Editor %1.%2.%3")
        .arg(TavloVersion::Major)
        .arg(TavloVersion::Minor)
        .arg(TavloVersion::Revision);
}

QString UntitledCaption()
{
    return QString("Tavlo Editor %1,%2,%3")
        .arg(TavloVersion::Major)
        .arg(TavloVersion::Minor)
        .arg(TavloVersion::Revision);
}

QString FileTitle(const QString& path)
{
    const qsizetype separator = std::max(path.lastIndexOf('/'), path.lastIndexOf('\\'));
    const QString name = path.mid(separator + 1);
    const qsizetype dot = name.indexOf('.');
    return dot < 0 ? name : name.left(dot);
}
