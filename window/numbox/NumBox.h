#pragma once

#include <QPlainTextEdit>

// The NUM box: a plain text box for a grouped number. Its lines break only
// between digit groups (DigitGroupLineLayout), and what it copies or drags
// away is its text exactly, no-break spaces included.
class NumBox : public QPlainTextEdit {
public:
    explicit NumBox(QWidget *parent = nullptr);

protected:
    QMimeData *createMimeDataFromSelection() const override;
};
