#include "window/list/ListView.h"

#include "accessibility/Announcement.h"
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

// A copy is confirmed aloud: nothing else shows that it happened.
void copyRows(const ListRowsModel &rows, const QList<int> &which, Announcement &announcement)
{
    // Nothing to copy leaves the clipboard as it was.
    if (!which.isEmpty())
        QGuiApplication::clipboard()->setText(rows.rowsText(which));
    const qsizetype count = which.size();
    announcement.announce(count == 0   ? QStringLiteral("No rows copied")
                          : count == 1 ? QStringLiteral("1 row copied")
                                       : QStringLiteral("%1 rows copied").arg(count));
}

void addCopyActions(QTreeView &view, ListRowsModel &rows, MessageBoxes &messages, Announcement &announcement)
{
    addAction(view, QStringLiteral("&Copy"), QKeySequence::keyBindings(QKeySequence::Copy), messages,
              [&view, &rows, &announcement] {
                  QList<int> selected;
                  for (const QModelIndex &index : view.selectionModel()->selectedRows())
                      selected.append(index.row());
                  copyRows(rows, selected, announcement);
              });
    addAction(view, QStringLiteral("Copy &all rows"), {}, messages, [&rows, &announcement] {
        QList<int> all(rows.rowCount());
        std::iota(all.begin(), all.end(), 0);
        copyRows(rows, all, announcement);
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

ListRowsModel &setUpListView(QTreeView &view, MessageBoxes &messages, Announcement &announcement)
{
    auto *rows = new ListRowsModel(&view);
    view.setModel(rows);
    view.setItemDelegate(new ListCellTips(&view));
    addCopyActions(view, *rows, messages, announcement);
    scrollBackWhenEmptied(view, *rows);
    return *rows;
}
