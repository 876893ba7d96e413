#include "controls/TitleRoom.h"

#include <QFontMetrics>
#include <QWidget>

namespace {

// The icon, minimise, maximise and close, each about a line high and square.
constexpr int TitleBarButtons = 4;
constexpr int ButtonPadding = 8;
constexpr int TitleMargins = 32;

}  // namespace

int TitleRoomWidth(const QWidget& window, const QString& title)
{
    QFont bold = window.font();
    bold.setBold(true);
    const QFontMetrics metrics(bold);
    return metrics.horizontalAdvance(title) + TitleBarButtons * (metrics.height() + ButtonPadding) + TitleMargins;
}
