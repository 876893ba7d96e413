#include "editor/pickers/PointerPosition.h"

#include "platform/InstalledInterfaces.h"

#include <QCursor>
#include <memory>

QPoint CursorPointerPosition::GlobalPosition() const
{
    return QCursor::pos();
}

const PointerPosition& InstalledPointerPosition(InstalledInterfaces& installed)
{
    if (installed.Find<PointerPosition>() == nullptr)
        installed.Install<PointerPosition>(std::make_unique<CursorPointerPosition>());
    return *installed.Find<PointerPosition>();
}
