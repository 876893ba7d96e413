#include "controls/WrappingButtons.h"

#include <QStyleOptionButton>
#include <QStylePainter>

namespace {

// Captions wrap at about this many characters.
constexpr int WrapCharacters = 44;

constexpr int TextFlags = Qt::TextWordWrap | Qt::TextShowMnemonic;

QSize WrappedTextSize(const QWidget& button, const QString& text)
{
    const QFontMetrics metrics = button.fontMetrics();
    const QRect room(0, 0, metrics.averageCharWidth() * WrapCharacters, QWIDGETSIZE_MAX);
    return metrics.boundingRect(room, TextFlags, text).size();
}

}  // namespace

WrappingRadioButton::WrappingRadioButton(const QString& text, QWidget* parent) : QRadioButton(text, parent) {}

QSize WrappingRadioButton::sizeHint() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    return style()->sizeFromContents(QStyle::CT_RadioButton, &option, WrappedTextSize(*this, text()), this);
}

void WrappingRadioButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textArea = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    option.text.clear();
    painter.drawControl(QStyle::CE_RadioButton, option);
    painter.drawItemText(textArea, Qt::AlignLeft | Qt::AlignVCenter | TextFlags, option.palette, isEnabled(), text(),
                         QPalette::WindowText);
}

bool WrappingRadioButton::hitButton(const QPoint& position) const
{
    return rect().contains(position);
}

WrappingPushButton::WrappingPushButton(const QString& text, QWidget* parent) : QPushButton(text, parent) {}

QSize WrappingPushButton::sizeHint() const
{
    QStyleOptionButton option;
    initStyleOption(&option);
    // Room on each side of the caption, as a plain button leaves.
    const QSize caption = WrappedTextSize(*this, text()) + QSize(fontMetrics().averageCharWidth() * 2, 0);
    return style()->sizeFromContents(QStyle::CT_PushButton, &option, caption, this);
}

void WrappingPushButton::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect textArea = style()->subElementRect(QStyle::SE_PushButtonContents, &option, this);
    option.text.clear();
    painter.drawControl(QStyle::CE_PushButton, option);
    painter.drawItemText(textArea, Qt::AlignCenter | TextFlags, option.palette, isEnabled(), text(),
                         QPalette::ButtonText);
}
