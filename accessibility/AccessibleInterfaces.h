#pragma once

// Installs what assistive tools are shown instead of Qt's defaults:
// the window as an application's frame (a top-level plain QWidget would be a
// filler pane), an Announcement as a notification, a control's context menu
// (ContextMenuAccessible), the text boxes through TextBoxAccessible, and a
// list in columns as a table (ListTableAccessible).
void installAccessibleInterfaces();
