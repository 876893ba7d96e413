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
        const QRect available = window_.screen()->availableGeometry();
        const QRect frame = window_.frameGeometry();
        const int x = std::max(available.left(), std::min(frame.left(), available.right() + 1 - frame.width()));
        const int y = std::max(available.top(), std::min(frame.top(), available.bottom() + 1 - frame.height()));
        if (x != frame.left() || y != frame.top()) window_.move(x, y);
    }

    QWidget& window_;
};

}  // namespace

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
