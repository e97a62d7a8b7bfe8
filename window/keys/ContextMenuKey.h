#pragma once

class QWidget;

// Shift+F10 opens the context menu of the window's control that has the
// focus, as the Menu key does: the desktop's key for it where a keyboard has
// no Menu key.
void addContextMenuKey(QWidget &window);
