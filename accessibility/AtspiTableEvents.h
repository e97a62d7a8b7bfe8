#pragma once

class QAccessibleTableModelChangeEvent;

// Tells listeners on the accessibility bus that rows of a table were
// replaced, added or removed, which Qt 6.4's adaptor keeps to itself. The
// changes of one pass of the event loop go out together: a Count of 1477
// rows as "model-changed" and one "row-inserted" for all of them.
void announceTableChange(const QAccessibleTableModelChangeEvent &event);
