#pragma once

#include "sequence/Controls.h"

class QWidget;

// Application-modal QMessageBox.
class WindowMessageBoxes : public MessageBoxes {
public:
    explicit WindowMessageBoxes(QWidget &parent) : parent_(parent) {}
    void msgBox(const QString &text, MsgBoxStyle style, const std::optional<QString> &title) override;

private:
    QWidget &parent_;
};
