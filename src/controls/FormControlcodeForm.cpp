#include "controls/FormControlcodeForm.h"

#include <algorithm>

FormControlcodeForm::FormControlcodeForm(int ControlCodeChoice, const std::array<std::string, 32>& ControlCodeNames,
                                         QWidget* parent)
    : BytePopup(ControlCodeChoice, parent)
{
    setObjectName("FormControlcodeForm");
    QVector<Row> rows;
    for (int code = 0; code < static_cast<int>(ControlCodeNames.size()); ++code) {
        const QRect cell(ColumnPitch() * (code / CodesPerColumn), RowPitch() * (code % CodesPerColumn), ColumnWidth(),
                         RowHeight());
        rows.push_back({QString::fromStdString(ControlCodeNames[code]), cell, true});
    }
    const int columns = (static_cast<int>(ControlCodeNames.size()) + CodesPerColumn - 1) / CodesPerColumn;
    SetRows(rows, QSize(ColumnPitch() * columns + 1, RowPitch() * CodesPerColumn + 1));
}

int FormControlcodeForm::ColumnWidth() const
{
    return std::max(33, fontMetrics().horizontalAdvance("DLE") + 10);
}
