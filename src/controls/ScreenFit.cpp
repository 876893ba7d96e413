#include "controls/ScreenFit.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace {

// A title bar and borders as window managers draw them, with some to spare.
constexpr QSize WindowFrameAllowance(16, 48);

// Moves its window back within the screen after each resize.
class ScreenKeeper : public QObject {
public:
    explicit ScreenKeeper(QWidget& window) : QObject(&window), window_(window) { window.installEventFilter(this); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == &window_ && event->type() == QEvent::Resize && window_.isVisible()) MoveWithin();
        return false;
    }

private:
    void MoveWithin()
    {
        const QPoint within = FrameWithin(window_.frameGeometry(), window_.screen()->availableGeometry()).topLeft();
        if (within != window_.frameGeometry().topLeft()) window_.move(within);
    }

    QWidget& window_;
};

}  // namespace

QRect FrameWithin(QRect frame, const QRect& available)
{
    frame.setSize(frame.size().boundedTo(available.size()));
    frame.moveLeft(std::clamp(frame.left(), available.left(), available.right() - frame.width() + 1));
    frame.moveTop(std::clamp(frame.top(), available.top(), available.bottom() - frame.height() + 1));
    return frame;
}

QSize ScreenRoom(const QWidget& window)
{
    const QScreen* screen = window.screen() ? window.screen() : QGuiApplication::primaryScreen();
    return screen->availableGeometry().size() - WindowFrameAllowance;
}

void FitToScreen(QWidget& window)
{
    window.ensurePolished();
    window.resize(window.sizeHint().boundedTo(ScreenRoom(window)).expandedTo(window.minimumSizeHint()));
}

void KeepWithinScreen(QWidget& window)
{
    new ScreenKeeper(window);
}
