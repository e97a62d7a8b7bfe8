#pragma once

class ListRowsModel;
class MessageBoxes;
class QTreeView;

// Sets up the sequence list's view over a new rows model, which the view owns,
// and returns the model. The view's actions report errors through `messages`.
ListRowsModel &setUpListView(QTreeView &view, MessageBoxes &messages);
