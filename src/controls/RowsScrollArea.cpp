#include "controls/RowsScrollArea.h"

#include <QEvent>
#include <QScrollBar>
#include <algorithm>

namespace {

// However small the window, this many lines of rows stay in view.
constexpr int LinesAlwaysShown = 6;

}  // namespace

RowsScrollArea::RowsScrollArea(QWidget* rows, QWidget* parent) : QScrollArea(parent)
{
    // Tab goes through to the rows: the area itself is no stop.
    setFocusPolicy(Qt::NoFocus);
    setWidget(rows);
    setWidgetResizable(true);
    setFrameShape(QFrame::NoFrame);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QSize RowsScrollArea::Surround() const
{
    const int frame = 2 * frameWidth();
    return {frame + verticalScrollBar()->sizeHint().width(), frame};
}

// Every row in view, each as narrow as it can be without cutting a control.
QSize RowsScrollArea::sizeHint() const
{
    const QSize rows = widget()->sizeHint().expandedTo(widget()->minimumSizeHint());
    return QSize(widget()->minimumSizeHint().width(), rows.height()) + Surround();
}

QSize RowsScrollArea::minimumSizeHint() const
{
    const int rowsHeight = widget()->sizeHint().height();
    const int shownHeight = std::min(rowsHeight, fontMetrics().lineSpacing() * LinesAlwaysShown);
    return QSize(widget()->minimumSizeHint().width(), shownHeight) + Surround();
}

bool RowsScrollArea::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == widget() && event->type() == QEvent::LayoutRequest) updateGeometry();
    return QScrollArea::eventFilter(watched, event);
}
