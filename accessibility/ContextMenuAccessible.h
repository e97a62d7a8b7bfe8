#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QAction;
class QMenu;

// A control's context menu for assistive tools: a popup menu under its
// control (ContextMenus.h), which lists it last among its children, with an
// item per action. Qt 6.4 puts every menu under the
// application, which does not list popups: when Escape took the focus from an
// item back to the row, Orca spoke the window's title and the whole table
// again; and its items, one per action whatever the menu, kept as their
// parent the list's menu of the first showing after it had gone.
class ContextMenuAccessible : public QAccessibleWidget {
public:
    explicit ContextMenuAccessible(QMenu *menu);
    ~ContextMenuAccessible() override;

    QAccessibleInterface *parent() const override;
    int childCount() const override;
    QAccessibleInterface *child(int index) const override;
    int indexOfChild(const QAccessibleInterface *child) const override;
    QAccessibleInterface *childAt(int x, int y) const override;
    QAccessibleInterface *focusChild() const override;

private:
    QMenu *menu() const;
    QAccessibleInterface *item(QAction *action) const;

    mutable QHash<QAction *, QAccessible::Id> items_;
};
