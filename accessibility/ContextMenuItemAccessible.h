#pragma once

#include "accessibility/AccessibleLeaf.h"

#include <QPointer>

class QAction;
class QMenu;

// An item of a context menu (ContextMenuAccessible): its action's text, less
// the access key's "&" and the shortcut after a tab, which is its key binding.
class ContextMenuItemAccessible : public AccessibleLeaf, public QAccessibleActionInterface {
public:
    ContextMenuItemAccessible(QMenu *menu, QAction *action);

    QAction *action() const { return action_; }

    bool isValid() const override;
    QAccessibleInterface *parent() const override;
    QString text(QAccessible::Text type) const override;
    QRect rect() const override;
    QAccessible::Role role() const override;
    QAccessible::State state() const override;
    void *interface_cast(QAccessible::InterfaceType type) override;

    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;
    QStringList keyBindingsForAction(const QString &actionName) const override;

private:
    QPointer<QMenu> menu_;
    QPointer<QAction> action_;
};
