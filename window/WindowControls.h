#pragma once

#include "sequence/Controls.h"
#include "window/WindowMessageBoxes.h"
#include "window/list/ListModelItems.h"

namespace Ui {
class frmFibo;
}
class Announcement;
class QLineEdit;
class QPlainTextEdit;
class QWidget;

// The input box over a QLineEdit, and what only the window's own handlers use.
class InputBox : public TextBox {
public:
    explicit InputBox(QLineEdit &editor) : editor_(editor) {}
    QString text() const override;
    void setText(const QString &text) override;
    // Moves the caret to `position` (characters from the start) and drops the selection.
    void setSelStart(int position);
    void setFocus();
    int maxLength() const;
    QLineEdit &editor() const { return editor_; }

private:
    QLineEdit &editor_;
};

// A result box over a QPlainTextEdit, read-only to input methods too.
class ResultBox : public TextBox {
public:
    explicit ResultBox(QPlainTextEdit &editor);
    QString text() const override;
    void setText(const QString &text) override;

private:
    QPlainTextEdit &editor_;
};

// The control operations of the window's text boxes, list and message boxes,
// and what the window says to screen readers without moving the focus.
struct WindowControls {
    WindowControls(QWidget &window, Ui::frmFibo &ui);

    Announcement &announcement;
    WindowMessageBoxes messages;
    InputBox txtInput;
    ResultBox txtOut;
    ResultBox txtOut2;
    ListModelItems Lv;

    FiboControls fibo() { return {txtInput, txtOut, txtOut2, Lv, messages}; }
};
