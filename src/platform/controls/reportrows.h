#pragma once
// Rows moving between two report-view lists (a source and a chosen list) and up or down within
// one. A row moves whole: key, text, sub-items, tag and icons.

#include "platform/controls/reportview.h"

namespace zelk {

// Moves `row` of `from` into `to` at `at` (1-based; 0 the end) and returns it there. The row
// leaves `from` first, so that its key is free in either list.
ListItem* moveReportRow(ReportView& from, ReportView& to, ListItem* row, int at = 0);

// Moves the selected row of `from` to the end of `to`, or in front of `to`'s selected row when
// `beforeSelected` and `to` has one. Nothing selected, nothing moves.
void moveSelectedReportRow(ReportView& from, ReportView& to, bool beforeSelected = false);

// Moves every row of `from`, in order, to the end of `to`.
void moveAllReportRows(ReportView& from, ReportView& to);

// The selected row changes places with its neighbour `step` away (-1 up, 1 down), which is then
// selected. Nothing at either end or without a selection.
void swapSelectedReportRow(ReportView& list, int step);

}  // namespace zelk
