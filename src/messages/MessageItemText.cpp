#include "messages/MessageItemText.h"

#include "model/ProjectorGlobals.h"
#include "model/RS232_String_Class.h"
#include "platform/Windows1252.h"

#include <QFontMetrics>

MessageItem MessageItemFor(const RS232_String_Class& bytes, int index,
                           const std::array<std::string, 32>& controlCodeNames)
{
    const uint8_t type = bytes.ContentTypes(index);
    const uint8_t value = bytes.ContentBytes(index);
    MessageItem item;
    if (index > 0 && !(type == ContentAscii && bytes.ContentTypes(index - 1) == ContentAscii)) item.separator = ",";
    switch (type) {
    case ContentAscii:
        item.text = value < 32 ? QString(QChar(127)) : FromWindows1252(std::string(1, static_cast<char>(value)));
        item.colour = QColor(0, 0, 0);
        break;
    case ContentHex:
        item.text = QString::fromStdString(HexByte(value)) + "h";
        item.colour = QColor(255, 0, 0);
        break;
    case ContentDecimal:
        item.text = QString("%1d").arg(value, 3, 10, QChar('0'));
        item.colour = QColor(0, 0, 255);
        break;
    case ContentBinary:
        item.text = QString::fromStdString(ByteToBinaryText(value)) + "b";
        item.colour = QColor(255, 0, 255);
        break;
    case ContentControl:
        item.text = (value < 32 ? QString::fromStdString(controlCodeNames[value]) : QString("ERROR")) + "c";
        item.colour = QColor(0, 128, 0);
        break;
    case ContentVariable:
        item.text = "Variable";
        item.colour = QColor(64, 0, 0);
        break;
    case ContentIgnore:
        item.text = "Ignore";
        item.colour = QColor(192, 64, 0);
        break;
    default:
        // A type code from a damaged record: shown, never guessed at.
        item.text = "?";
        item.colour = QColor(0, 0, 0);
        break;
    }
    return item;
}

QFont MessageLineFont()
{
    QFont font("DejaVu Sans Mono");
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(13);
    // Spaced so that every character takes exactly one cell.
    const qreal natural = QFontMetricsF(font).horizontalAdvance(QChar('0'));
    font.setLetterSpacing(QFont::AbsoluteSpacing, MessageCharacterWidth - natural);
    return font;
}

int MessageTextWidth(const QString& text)
{
    return static_cast<int>(text.size()) * MessageCharacterWidth;
}

QString DrawableText(QString text)
{
    return text.replace(QChar(127), QChar(0x25AF));
}
