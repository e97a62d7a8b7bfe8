#include "accessibility/ContextMenuAccessible.h"

#include "accessibility/ContextMenuItemAccessible.h"
#include "accessibility/ContextMenus.h"

#include <QMenu>

ContextMenuAccessible::ContextMenuAccessible(QMenu *menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

ContextMenuAccessible::~ContextMenuAccessible()
{
    for (const QAccessible::Id id : std::as_const(items_))
        QAccessible::deleteAccessibleInterface(id);
}

QMenu *ContextMenuAccessible::menu() const
{
    return static_cast<QMenu *>(widget());
}

QAccessibleInterface *ContextMenuAccessible::parent() const
{
    return QAccessible::queryAccessibleInterface(contextMenuOwner(*menu()));
}

int ContextMenuAccessible::childCount() const
{
    return int(menu()->actions().size());
}

QAccessibleInterface *ContextMenuAccessible::child(int index) const
{
    const QList<QAction *> actions = menu()->actions();
    return index >= 0 && index < actions.size() ? item(actions.at(index)) : nullptr;
}

int ContextMenuAccessible::indexOfChild(const QAccessibleInterface *child) const
{
    const auto *item = dynamic_cast<const ContextMenuItemAccessible *>(child);
    return item && item->parent() == this ? int(menu()->actions().indexOf(item->action())) : -1;
}

QAccessibleInterface *ContextMenuAccessible::childAt(int x, int y) const
{
    QAction *action = menu()->actionAt(menu()->mapFromGlobal(QPoint(x, y)));
    return action ? item(action) : nullptr;
}

QAccessibleInterface *ContextMenuAccessible::focusChild() const
{
    QAction *active = menu()->activeAction();
    return active ? item(active) : nullptr;
}

QAccessibleInterface *ContextMenuAccessible::item(QAction *action) const
{
    if (const auto known = items_.constFind(action); known != items_.cend())
        return QAccessible::accessibleInterface(*known);
    auto *made = new ContextMenuItemAccessible(menu(), action);
    items_.insert(action, QAccessible::registerAccessibleInterface(made));
    return made;
}
