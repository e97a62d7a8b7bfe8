#pragma once

// Puts a guard in front of Qt 6.4's AT-SPI adaptor on the accessibility bus,
// where any process of the session may call it, once accessibility is on.
// The adaptor crashes on a call without its arguments, on a cell outside a
// table or a child beyond the last of a scroll area, edits a read-only box's
// text itself, loops over every offset a range names, and leaves some calls
// unanswered. The guard answers those at once and passes the rest on.
void guardAtspiAdaptor();
