#pragma once

// How many rows of a comparison list are in view at once. When all rows
// fit the available height (exactly filling it counts), no scroll bar is
// needed; otherwise the rows in view must stay below the available height,
// and the scroll bar moves by rows.
struct ComparisonRowLayout {
    bool ScrollBarShown = false;
    int RowsInView = 0;
    int ScrollMaximum = 0;
    int LargeChange = 1;
};

ComparisonRowLayout LayOutComparisonRows(int availableHeight, int rowHeight, int rowCount);
