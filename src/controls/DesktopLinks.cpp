#include "controls/DesktopLinks.h"

#include "platform/InstalledInterfaces.h"

#include <QDesktopServices>

bool SystemDesktopLinks::OpenLink(const QUrl& link)
{
    return QDesktopServices::openUrl(link);
}

bool OpenDesktopLink(const InstalledInterfaces& installed, const QUrl& link)
{
    if (auto* links = installed.Find<DesktopLinks>()) return links->OpenLink(link);
    return SystemDesktopLinks().OpenLink(link);
}
