#pragma once

#include "Controls.h"

class QLineEdit;
class QPlainTextEdit;

// The text box operations over one of Qt's editors: QLineEdit for the input
// box, QPlainTextEdit for the multi-line result boxes.
template <typename Editor>
class EditorBox : public TextBox {
public:
    explicit EditorBox(Editor &editor) : editor_(editor) {}
    QString text() const override;
    void setText(const QString &text) override;
    void setSelStart(int position) override;
    void setFocus() override;
    int maxLength() const override;

private:
    Editor &editor_;
};

using LineEditBox = EditorBox<QLineEdit>;
using PlainTextBox = EditorBox<QPlainTextEdit>;

// What differs between the two editors is defined in TextBoxes.cpp.
template <> QString LineEditBox::text() const;
template <> void LineEditBox::setText(const QString &text);
template <> void LineEditBox::setSelStart(int position);
template <> int LineEditBox::maxLength() const;
template <> QString PlainTextBox::text() const;
template <> void PlainTextBox::setText(const QString &text);
template <> void PlainTextBox::setSelStart(int position);
template <> int PlainTextBox::maxLength() const;
extern template class EditorBox<QLineEdit>;
extern template class EditorBox<QPlainTextEdit>;
