#pragma once

#include <QMargins>

class QWidget;

// The margins an X11 window manager will put around `window`, asked for
// before the window is mapped, so that it can be placed frame and all at
// once. Zero where there is no X11 window manager that answers such a request.
QMargins announcedFrameMargins(QWidget &window);
