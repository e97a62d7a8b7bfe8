#include "accessibility/ContextMenuItemAccessible.h"

#include <QMenu>

namespace {

// "&Undo\tCtrl+Z" reads "Undo"; "&&" stands for "&".
QString itemName(const QString &text)
{
    QString name;
    const QString shown = text.section(u'\t', 0, 0);
    for (qsizetype i = 0; i < shown.size(); ++i) {
        if (shown.at(i) == u'&' && i + 1 < shown.size())
            ++i;
        name += shown.at(i);
    }
    return name;
}

} // namespace

ContextMenuItemAccessible::ContextMenuItemAccessible(QMenu *menu, QAction *action) : menu_(menu), action_(action) {}

bool ContextMenuItemAccessible::isValid() const
{
    return menu_ && action_;
}

QAccessibleInterface *ContextMenuItemAccessible::parent() const
{
    return menu_ ? QAccessible::queryAccessibleInterface(menu_.data()) : nullptr;
}

QString ContextMenuItemAccessible::text(QAccessible::Text type) const
{
    if (!isValid())
        return QString();
    if (type == QAccessible::Name)
        return itemName(action_->text());
    if (type == QAccessible::Accelerator)
        return action_->shortcut().isEmpty() ? action_->text().section(u'\t', 1) : action_->shortcut().toString();
    return QString();
}

QRect ContextMenuItemAccessible::rect() const
{
    if (!isValid())
        return {};
    const QRect shown = menu_->actionGeometry(action_);
    return QRect(menu_->mapToGlobal(shown.topLeft()), shown.size());
}

QAccessible::Role ContextMenuItemAccessible::role() const
{
    return action_ && action_->isSeparator() ? QAccessible::Separator : QAccessible::MenuItem;
}

QAccessible::State ContextMenuItemAccessible::state() const
{
    QAccessible::State state;
    if (!isValid()) {
        state.invalid = true;
        return state;
    }
    state.invisible = !menu_->isVisible() || !action_->isVisible();
    state.focusable = true;
    state.focused = menu_->activeAction() == action_;
    state.disabled = action_->isSeparator() || !action_->isEnabled();
    state.checkable = action_->isCheckable();
    state.checked = action_->isChecked();
    return state;
}

void *ContextMenuItemAccessible::interface_cast(QAccessible::InterfaceType type)
{
    return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
}

QStringList ContextMenuItemAccessible::actionNames() const
{
    return isValid() && !action_->isSeparator() ? QStringList{pressAction()} : QStringList{};
}

void ContextMenuItemAccessible::doAction(const QString &actionName)
{
    if (actionName != pressAction() || !isValid() || !action_->isEnabled())
        return;
    // As choosing it does: the menu closes, then the action runs.
    const QPointer<QAction> action = action_;
    menu_->hide();
    if (action)
        action->trigger();
}

QStringList ContextMenuItemAccessible::keyBindingsForAction(const QString &actionName) const
{
    const QString keys = text(QAccessible::Accelerator);
    return actionName == pressAction() && !keys.isEmpty() ? QStringList{keys} : QStringList{};
}
