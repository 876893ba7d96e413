#pragma once

#include <QPoint>

class InstalledInterfaces;

// Where the pointer is on the screen, read by the drop-down trees' close
// timer. Tests install their own so they can put the pointer anywhere.
class PointerPosition {
public:
    virtual ~PointerPosition() = default;
    virtual QPoint GlobalPosition() const = 0;
};

// The system cursor's, as the program installs it.
class CursorPointerPosition final : public PointerPosition {
public:
    QPoint GlobalPosition() const override;
};

// The installed reader; the system cursor's when none is installed yet.
const PointerPosition& InstalledPointerPosition(InstalledInterfaces& installed);
