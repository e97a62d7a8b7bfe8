#pragma once

class ListRowsModel;
class MessageBoxes;
class QTreeView;

// Puts a new rows model, owned by the view, behind the sequence list's view and
// gives the view what the rows are there for: cells cut short show their whole
// text as a tooltip; Copy (Ctrl+C, Ctrl+Insert), "Copy all rows" and Select
// all (Ctrl+A), from the keyboard and from the context menu, copy rows as
// tab-separated lines; and a view emptied of its rows scrolls back to its
// top-left corner, where the next rows start. Errors in the actions are
// reported through `messages`.
ListRowsModel &showRowsIn(QTreeView &view, MessageBoxes &messages);
