#pragma once

// What the application sets up once, after its QApplication exists and before
// its first window: its name and version (the name is the title of message
// boxes without one of their own), the fonts the form asks for, and what
// screen readers are shown of the window. The program's main and every test
// that builds the window call it.
void setUpApplication();
