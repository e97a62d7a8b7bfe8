#include "window/list/ListView.h"

#include "sequence/UntrappedErrors.h"
#include "window/list/ListCellTips.h"
#include "window/list/ListRowsModel.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTreeView>

#include <numeric>

namespace {

template <typename Handler>
void addAction(QTreeView &view, const QString &text, const QList<QKeySequence> &keys, MessageBoxes &messages,
               Handler handler)
{
    auto *action = new QAction(text, &view);
    action->setShortcuts(keys);
    // Only while the list has the focus: elsewhere Ctrl+C and Ctrl+A are the
    // text boxes' own.
    action->setShortcutContext(Qt::WidgetShortcut);
    QObject::connect(action, &QAction::triggered, &view, [&messages, handler] { runHandler(messages, handler); });
    view.addAction(action);
}

void copyRows(const ListRowsModel &rows, const QList<int> &which)
{
    // Nothing to copy leaves the clipboard as it was.
    if (!which.isEmpty())
        QGuiApplication::clipboard()->setText(rows.rowsText(which));
}

void addCopyActions(QTreeView &view, ListRowsModel &rows, MessageBoxes &messages)
{
    addAction(view, QStringLiteral("&Copy"), QKeySequence::keyBindings(QKeySequence::Copy), messages, [&view, &rows] {
        QList<int> selected;
        for (const QModelIndex &index : view.selectionModel()->selectedRows())
            selected.append(index.row());
        copyRows(rows, selected);
    });
    addAction(view, QStringLiteral("Copy &all rows"), {}, messages, [&rows] {
        QList<int> all(rows.rowCount());
        std::iota(all.begin(), all.end(), 0);
        copyRows(rows, all);
    });
    addAction(view, QStringLiteral("&Select all"), QKeySequence::keyBindings(QKeySequence::SelectAll), messages,
              [&view] { view.selectAll(); });
    view.setContextMenuPolicy(Qt::ActionsContextMenu);
}

void scrollBackWhenEmptied(QTreeView &view, const ListRowsModel &rows)
{
    // Left scrolled to the right, the list would show the next rows' far ends
    // only and look empty.
    QObject::connect(&rows, &QAbstractItemModel::modelReset, &view, [&view] {
        view.horizontalScrollBar()->setValue(0);
        view.verticalScrollBar()->setValue(0);
    });
}

} // namespace

ListRowsModel &setUpListView(QTreeView &view, MessageBoxes &messages)
{
    auto *rows = new ListRowsModel(&view);
    view.setModel(rows);
    view.setItemDelegate(new ListCellTips(&view));
    addCopyActions(view, *rows, messages);
    scrollBackWhenEmptied(view, *rows);
    return *rows;
}
