#pragma once

#include "model/IRCommandClass.h"

#include <QString>
#include <QStringList>
#include <vector>

struct IRCodePoint {
    double x = 0;
    double y = 0;
    bool operator==(const IRCodePoint&) const = default;
};

// What the IR code view shows of one part of a command: the three value
// labels, the lines of the text list and the corners of the pulse graph, in
// a picture of the given size with y growing downwards.
struct IRCodeLayout {
    QString Length;      // "00.0mS"
    QString Frequency;   // "0.0kHz"
    QString RepeatTime;  // "000mS"
    QStringList TextLines;
    // One polyline from the left margin at the carrier-off level.
    std::vector<IRCodePoint> GraphPoints;
};

// Reads only the 128 bytes of the part: elements past the last byte are not
// there, and a run of 127s ends with the last element. A carrier period of 0
// shows 0.0kHz and zero times instead of dividing by it.
IRCodeLayout LayOutIRCode(const IRCommandClass& command, IRPart part, double width, double height);
