#include "editor/DeviceTabButton.h"

#include "controls/FocusFrame.h"

#include <QHelpEvent>
#include <QStyleOptionToolButton>
#include <QStylePainter>
#include <QToolTip>
#include <algorithm>

namespace {

constexpr int ShortestCaptionCharacters = 4;
constexpr int FocusRingInset = 2;

QFont Bold(QFont font)
{
    font.setBold(true);
    return font;
}

}  // namespace

DeviceTabButton::DeviceTabButton(const QString& caption, QWidget* parent) : QToolButton(parent)
{
    setText(caption);
    setCheckable(true);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    connect(this, &QToolButton::toggled, this, [this](bool current) {
        QFont caption = font();
        caption.setBold(current);
        setFont(caption);
    });
}

// Bold or not, the same size.
QSize DeviceTabButton::SizeFor(int captionWidth) const
{
    QStyleOptionToolButton option;
    initStyleOption(&option);
    const QSize caption(captionWidth, QFontMetrics(Bold(font())).height());
    return style()->sizeFromContents(QStyle::CT_ToolButton, &option, caption, this);
}

int DeviceTabButton::CaptionRoom() const
{
    return width() - SizeFor(0).width();
}

QSize DeviceTabButton::sizeHint() const
{
    // A space's width of air around the caption, which a caption drawn a
    // little wider than measured may take.
    const QFontMetrics bold(Bold(font()));
    return SizeFor(bold.horizontalAdvance(text()) + bold.horizontalAdvance(u' '));
}

QSize DeviceTabButton::minimumSizeHint() const
{
    const QFontMetrics bold(Bold(font()));
    return SizeFor(std::min(bold.horizontalAdvance(text()), bold.averageCharWidth() * ShortestCaptionCharacters));
}

bool DeviceTabButton::CaptionCut() const
{
    return fontMetrics().horizontalAdvance(text()) > CaptionRoom();
}

void DeviceTabButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionToolButton option;
    initStyleOption(&option);
    option.text = fontMetrics().elidedText(text(), Qt::ElideRight, CaptionRoom());
    painter.drawComplexControl(QStyle::CC_ToolButton, option);
    if (!hasFocus()) return;
    // A ring inside the tab's edge, in the colour of the caption on the
    // current tab's highlight.
    QPalette ring = palette();
    if (isChecked()) ring.setColor(QPalette::Highlight, ring.color(QPalette::HighlightedText));
    DrawFocusFrame(
        painter, rect().marginsRemoved(QMargins(FocusRingInset, FocusRingInset, FocusRingInset, FocusRingInset)), ring);
}

bool DeviceTabButton::event(QEvent* event)
{
    if (event->type() != QEvent::ToolTip) return QToolButton::event(event);
    if (CaptionCut()) {
        QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), text(), this);
    } else {
        QToolTip::hideText();
    }
    return true;
}
