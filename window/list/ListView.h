#pragma once

class Announcement;
class ListRowsModel;
class MessageBoxes;
class QTreeView;

// Sets up the sequence list's view over a new rows model, which the view owns,
// and returns the model. Its jobs, one function each in ListView.cpp: cells
// cut short show their whole text as a tooltip (ListCellTips); Copy (Ctrl+C,
// Ctrl+Insert), "Copy all rows" and Select all (Ctrl+A), from the keyboard and
// the context menu, copy rows as tab-separated lines and say through
// `announcement` how many; a list emptied of its rows scrolls back to its
// top-left corner. Errors in the actions are reported through `messages`.
ListRowsModel &setUpListView(QTreeView &view, MessageBoxes &messages, Announcement &announcement);
