#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <array>
#include <string>

class RS232_String_Class;

// One byte of a message as the message pane draws it.
struct MessageItem {
    QString separator;  // "," between items, except between two ASCII bytes
    QString text;       // the byte in the notation of its content type, with its suffix
    QColor colour;
};

MessageItem MessageItemFor(const RS232_String_Class& bytes, int index,
                           const std::array<std::string, 32>& controlCodeNames);

// The fixed-width font of the message line: every character 8 pixels wide.
inline constexpr int MessageCharacterWidth = 8;
QFont MessageLineFont();
int MessageTextWidth(const QString& text);

// Control bytes of an ASCII item are held as the character 127, which has
// no glyph of its own in the fonts here; this is the text as it is painted.
QString DrawableText(QString text);
