#pragma once

class QScrollArea;

// Scrolls the control that gets the focus inside `area`, by Tab, a click or a
// command, into view, whole where it fits: QScrollArea::ensureWidgetVisible
// would settle for the caret.
void keepFocusInView(QScrollArea &area);
