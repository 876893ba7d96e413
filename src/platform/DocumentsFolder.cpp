#include "platform/DocumentsFolder.h"

#include <QFileInfo>
#include <QStandardPaths>

QString DocumentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QString();
}
