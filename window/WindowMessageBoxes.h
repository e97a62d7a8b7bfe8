#pragma once

#include "sequence/Controls.h"

class QWidget;

// Application-modal QMessageBox, at least 240 pixels wide: as narrow as its
// text, window managers cut its title short ("Overflow" made one 102 wide).
class WindowMessageBoxes : public MessageBoxes {
public:
    explicit WindowMessageBoxes(QWidget &parent) : parent_(parent) {}
    void msgBox(const QString &text, MsgBoxStyle style, const std::optional<QString> &title) override;

private:
    QWidget &parent_;
};
