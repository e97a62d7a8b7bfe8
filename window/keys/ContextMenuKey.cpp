#include "window/keys/ContextMenuKey.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QShortcut>
#include <QWidget>

void addContextMenuKey(QWidget &window)
{
    auto *shortcut = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), &window);
    QObject::connect(shortcut, &QShortcut::activated, &window, [&window] {
        QWidget *focused = window.focusWidget();
        if (!focused)
            return;
        // Where Qt opens the Menu key's: at the caret or the current row.
        const QPoint at = focused->inputMethodQuery(Qt::ImCursorRectangle).toRect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, focused->mapToGlobal(at), Qt::ShiftModifier);
        QCoreApplication::sendEvent(focused, &event);
    });
}
