#pragma once

// On a Wayland desktop that also runs an X server (XWayland), Corvane asks
// Qt for X11 first, unless the user chose a platform (QT_QPA_PLATFORM,
// -platform): there the window manager places the window, centred, and
// frames it with the desktop's own title bar, which offers no maximise for a
// window of fixed size. On Wayland the compositor places it, and Qt draws a
// title bar of its own, with a maximise button.
void preferX11OnWaylandDesktop();
