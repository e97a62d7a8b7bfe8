#pragma once

// Once, between the QApplication and the first window: the name (the title of
// message boxes without their own), the form's fonts, and what screen readers
// are shown. The program and every test that builds the window call it.
void setUpApplication();
