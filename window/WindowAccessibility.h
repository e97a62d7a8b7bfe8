#pragma once

// Screen readers see a top-level plain QWidget as a filler pane; the window is
// presented to them as what it is, an application's frame.
void presentWindowsAsFrames();
