#include "editor/pickers/PointerPosition.h"

#include "platform/InstalledInterfaces.h"

#include <QCursor>
#include <memory>

namespace {

class CursorPointerPosition final : public PointerPosition {
public:
    QPoint GlobalPosition() const override { return QCursor::pos(); }
};

}  // namespace

const PointerPosition& InstalledPointerPosition(InstalledInterfaces& installed)
{
    if (installed.Find<PointerPosition>() == nullptr)
        installed.Install<PointerPosition>(std::make_unique<CursorPointerPosition>());
    return *installed.Find<PointerPosition>();
}
