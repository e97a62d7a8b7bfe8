#include "accessibility/menus/ContextMenus.h"

#include <QAbstractScrollArea>
#include <QAccessible>
#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QMenuBar>
#include <QWindow>

namespace {

QList<QMenu *> openMenus(const QWidget &control)
{
    QList<QMenu *> open;
    for (QMenu *menu : control.findChildren<QMenu *>()) {
        if (menu->isVisible() && contextMenuOwner(*menu) == &control)
            open.append(menu);
    }
    return open;
}

void activateFirstItem(QMenu &menu)
{
    for (QAction *action : menu.actions()) {
        if (action->isVisible() && action->isEnabled() && !action->isSeparator()) {
            menu.setActiveAction(action);
            return;
        }
    }
}

// The control's current part where it has one (the list's current cell),
// else the control.
void announceFocus(QWidget &widget)
{
    QAccessibleInterface *control = QAccessible::queryAccessibleInterface(&widget);
    if (!control)
        return;
    QAccessibleInterface *focused = control->focusChild();
    QAccessibleEvent event(focused ? focused : control, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

// Whether a focus event of a window leaves the application's active window as
// it was: the focus going to one of its popups, or coming back to the window
// that is still the active one.
bool keepsActiveWindow(const QWindow &window, const QFocusEvent &event)
{
    if (event.type() == QEvent::FocusOut)
        return event.reason() == Qt::PopupFocusReason;
    const QWidget *active = QApplication::activeWindow();
    return active && active->windowHandle() == &window;
}

} // namespace

QWidget *contextMenuOwner(const QMenu &menu)
{
    QWidget *control = menu.parentWidget();
    if (!control || qobject_cast<QMenu *>(control) || qobject_cast<QMenuBar *>(control))
        return nullptr;
    // A text edit's menu is its viewport's.
    auto *area = qobject_cast<QAbstractScrollArea *>(control->parentWidget());
    return area && area->viewport() == control ? area : control;
}

int contextMenuCount(const QWidget &control)
{
    return int(openMenus(control).size());
}

QAccessibleInterface *contextMenu(const QWidget &control, int index)
{
    const QList<QMenu *> menus = openMenus(control);
    return index >= 0 && index < menus.size() ? QAccessible::queryAccessibleInterface(menus.at(index)) : nullptr;
}

int contextMenuIndex(const QWidget &control, const QAccessibleInterface *child)
{
    auto *menu = child ? qobject_cast<QMenu *>(child->object()) : nullptr;
    return menu ? int(openMenus(control).indexOf(menu)) : -1;
}

bool ContextMenus::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    // A menu that a request from the keyboard opens shows with its first item
    // current: the request's receiver shows it while the request is handled.
    case QEvent::ContextMenu:
        keyboardMenuPending_ = static_cast<const QContextMenuEvent &>(*event).reason() == QContextMenuEvent::Keyboard;
        return false;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
        keyboardMenuPending_ = false;
        return false;
    case QEvent::Show:
        if (auto *menu = qobject_cast<QMenu *>(watched); QWidget *owner = menu ? contextMenuOwner(*menu) : nullptr) {
            // The control keeps the focus, and the keys go to the menu all
            // the same. Qt would give the menu the focus once an item is
            // chosen by key, and give it back with a focus event for the
            // whole control: Orca read the table's name and size where the
            // row had been.
            menu->setFocusProxy(owner);
            if (keyboardMenuPending_)
                activateFirstItem(*menu);
        }
        keyboardMenuPending_ = false;
        return false;
    case QEvent::Hide:
        // A widget gone with a focus proxy would take the focus from the proxy.
        if (auto *menu = qobject_cast<QMenu *>(watched); menu && contextMenuOwner(*menu))
            menu->setFocusProxy(nullptr);
        return false;
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        const auto &focus = static_cast<const QFocusEvent &>(*event);
        // The report of its activation is all that such an event does for a window.
        if (auto *window = qobject_cast<QWindow *>(watched))
            return keepsActiveWindow(*window, focus);
        // A popup taking the focus announces its own items.
        auto *widget = qobject_cast<QWidget *>(watched);
        if (widget && event->type() == QEvent::FocusIn && focus.reason() == Qt::PopupFocusReason
            && widget->window()->windowType() != Qt::Popup) {
            announceFocus(*widget);
        }
        return false;
    }
    default:
        return false;
    }
}

void installContextMenus()
{
    qApp->installEventFilter(new ContextMenus(qApp));
}
