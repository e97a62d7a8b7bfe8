#pragma once

#include "sequence/Controls.h"

class QLineEdit;
class QPlainTextEdit;

// The input box over a QLineEdit, with the operations that only the window's
// own handlers use: the caret, the focus and the most characters it holds.
class InputBox : public TextBox {
public:
    explicit InputBox(QLineEdit &editor) : editor_(editor) {}
    QString text() const override;
    void setText(const QString &text) override;
    // Moves the caret to `position` (characters from the start) and drops the selection.
    void setSelStart(int position);
    void setFocus();
    int maxLength() const;

private:
    QLineEdit &editor_;
};

// A read-only, multi-line result box over a QPlainTextEdit.
class ResultBox : public TextBox {
public:
    explicit ResultBox(QPlainTextEdit &editor) : editor_(editor) {}
    QString text() const override;
    void setText(const QString &text) override;

private:
    QPlainTextEdit &editor_;
};
