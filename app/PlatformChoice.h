#pragma once

// X11 before Wayland where a Wayland desktop also runs an X server, unless
// the user chose (QT_QPA_PLATFORM, -platform): there the window manager
// centres the window and frames it with no maximise for its fixed size.
void preferX11OnWaylandDesktop();
