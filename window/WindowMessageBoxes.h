#pragma once

#include "Controls.h"

class QWidget;
class TreeListItems;

// Application-modal QMessageBox. The list is brought up to date first, so the
// window behind the box shows every row appended so far.
class WindowMessageBoxes : public MessageBoxes {
public:
    WindowMessageBoxes(QWidget &parent, TreeListItems &list) : parent_(parent), list_(list) {}
    void msgBox(const QString &text, MsgBoxStyle style, const std::optional<QString> &title) override;

private:
    QWidget &parent_;
    TreeListItems &list_;
};
