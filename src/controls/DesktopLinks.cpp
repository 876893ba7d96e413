#include "controls/DesktopLinks.h"

#include "platform/InstalledInterfaces.h"

#include <QDesktopServices>

bool OpenDesktopLink(const InstalledInterfaces& installed, const QUrl& link)
{
    if (auto* links = installed.Find<DesktopLinks>()) return links->OpenLink(link);
    return QDesktopServices::openUrl(link);
}
