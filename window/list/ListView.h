#pragma once

class Announcement;
class ListRowsModel;
class MessageBoxes;
class QTreeView;

// Sets up the sequence list's view over a new rows model, which the view owns,
// and returns the model. The view's actions report errors through `messages`,
// and say through `announcement` how many rows a copy took.
ListRowsModel &setUpListView(QTreeView &view, MessageBoxes &messages, Announcement &announcement);
