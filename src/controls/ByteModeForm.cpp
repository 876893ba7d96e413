#include "controls/ByteModeForm.h"

#include "controls/Twips.h"
#include "model/RS232_String_Class.h"

#include <QScreen>
#include <algorithm>
#include <cmath>

namespace {
// Room left for a task bar along the screen's bottom edge, in twips.
constexpr int BottomMarginTwips = 350;
}  // namespace

ByteModeForm::ByteModeForm(int ByteModeChoice, bool EditStringHasVolume, bool VariableModeAllowed,
                           bool EditStringCanBeInput, QWidget* parent)
    : BytePopup(ByteModeChoice, parent)
{
    setObjectName("ByteModeForm");
    const QStringList captions = {"ASCII", "HEX", "DECIMAL", "BINARY", "CONTROL", "VARIABLE", "IGNORE"};
    int width = 57;
    for (const QString& caption : captions) width = std::max(width, fontMetrics().horizontalAdvance(caption) + 10);

    QVector<Row> rows;
    for (int i = 0; i < captions.size(); ++i) {
        // IGNORE lies in front of VARIABLE, in the same row.
        const int line = std::min(i, static_cast<int>(ContentVariable));
        rows.push_back({captions[i], QRect(0, line * RowPitch(), width, RowHeight()), true});
    }
    rows[ContentIgnore].visible = EditStringCanBeInput;

    const bool lastRowOffered = EditStringHasVolume ? VariableModeAllowed : EditStringCanBeInput;
    const int fullHeight = ContentVariable * RowPitch() + RowHeight();
    SetRows(rows, QSize(width, lastRowOffered ? fullHeight : fullHeight - RowHeight() + 1));
}

int ByteModeForm::BottomMargin() const
{
    const QScreen* shown = screen();
    const double dotsPerInch = shown != nullptr ? shown->logicalDotsPerInchY() : 96.0;
    return TwipsToPixels(BottomMarginTwips, dotsPerInch);
}
