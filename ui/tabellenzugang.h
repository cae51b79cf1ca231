#pragma once
// What a screen reader reads of the grid `tabelle`: a list of 13 x 3 cells in rows and columns,
// without headers (the grid shows none), each cell read as its number and its state ("17, frei",
// the model's accessible text), the two blank cells as nothing. The number cells are focusable; the
// cell under the grid's cursor is focused only while the grid has the focus. The children are
// numbered row by row, as the view numbers them in its own focus events.

class QAccessibleInterface;
class QTableView;

namespace quentor {

QAccessibleInterface* tabellenzugang(QTableView* ansicht);

} // namespace quentor
