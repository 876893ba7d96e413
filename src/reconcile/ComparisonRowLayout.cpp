#include "reconcile/ComparisonRowLayout.h"

#include <algorithm>

ComparisonRowLayout LayOutComparisonRows(int availableHeight, int rowHeight, int rowCount)
{
    ComparisonRowLayout layout;
    if (rowHeight <= 0 || rowHeight * rowCount <= availableHeight) {
        layout.RowsInView = rowCount;
        return layout;
    }
    layout.ScrollBarShown = true;
    // The largest count whose height stays below the available height.
    layout.RowsInView = std::max(0, (availableHeight - 1) / rowHeight);
    layout.ScrollMaximum = rowCount - layout.RowsInView;
    // A fifth of the maximum, to the nearest whole row (a fifth is never a half).
    layout.LargeChange = std::max(1, (layout.ScrollMaximum * 2 + 5) / 10);
    return layout;
}
