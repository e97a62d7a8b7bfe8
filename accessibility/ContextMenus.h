#pragma once

#include <QObject>

class QAccessibleInterface;
class QMenu;
class QWidget;

// Context menus as screen readers follow them (see also
// ContextMenuAccessible). Measured under Orca 43 with Qt 6.4: a menu opened
// from the keyboard had no current item, and Orca said nothing of it; the
// window reported its activation anew as the menu opened and closed ("FIBONACCI
// FORMULA frame"); and the focus came back to the control without an event.

// The control whose context menu `menu` is: its parent, or the scroll area
// whose viewport that is; none for the menu of a menu or a menu bar.
QWidget *contextMenuOwner(const QMenu &menu);

// The open context menus of `control`, which assistive tools find after its
// other children: how many, the one at `index` among them, and the index of
// `child` among them (-1 when it is none of them).
int contextMenuCount(const QWidget &control);
QAccessibleInterface *contextMenu(const QWidget &control, int index);
int contextMenuIndex(const QWidget &control, const QAccessibleInterface *child);

// For the whole application: a menu opened from the keyboard (Menu key,
// Shift+F10) shows with its first item current, the focus a menu returns to
// is announced, and a window that stays active while its menu is open does
// not report its activation.
class ContextMenus : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool keyboardMenuPending_ = false;
};

// Installs one on the application.
void installContextMenus();
