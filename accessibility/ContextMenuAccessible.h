#pragma once

#include <QAccessibleWidget>
#include <QHash>

class QAction;
class QMenu;

// What assistive tools see of a context menu: a popup menu that belongs to its
// control (its widget parent), which lists it among its children
// (ContextMenus.h), with an item per action (ContextMenuItemAccessible). Qt
// 6.4's menu is a child of the application, which does not list popups, so
// Orca took it for a leftover and never said "menu"; and from an item of a
// menu outside the window, Orca read out the window and the whole table again
// when Escape brought the focus back.
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
