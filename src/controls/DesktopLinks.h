#pragma once

#include <QUrl>

class InstalledInterfaces;

// Hands a web page or a mail to the desktop's browser or mail client. The
// system's handlers serve while none is installed; tests install one that
// records what was asked.
class DesktopLinks {
public:
    virtual ~DesktopLinks() = default;
    // False when no handler took the link.
    virtual bool OpenLink(const QUrl& link) = 0;
};

// The desktop's own handlers, as the program installs them.
class SystemDesktopLinks final : public DesktopLinks {
public:
    bool OpenLink(const QUrl& link) override;
};

// Through the installed handler, or the desktop's own.
bool OpenDesktopLink(const InstalledInterfaces& installed, const QUrl& link);
