#pragma once

#include "Controls.h"

class QLineEdit;
class QPlainTextEdit;

// The text box operations over Qt's single-line and multi-line editors.

class LineEditBox : public TextBox {
public:
    explicit LineEditBox(QLineEdit &edit) : edit_(edit) {}
    QString text() const override;
    void setText(const QString &text) override;
    void setSelStart(int position) override;
    void setFocus() override;
    int maxLength() const override;

private:
    QLineEdit &edit_;
};

class PlainTextBox : public TextBox {
public:
    explicit PlainTextBox(QPlainTextEdit &edit) : edit_(edit) {}
    QString text() const override;
    void setText(const QString &text) override;
    void setSelStart(int position) override;
    void setFocus() override;
    int maxLength() const override;

private:
    QPlainTextEdit &edit_;
};
