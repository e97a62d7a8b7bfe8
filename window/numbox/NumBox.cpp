#include "window/numbox/NumBox.h"

#include "text/PlainText.h"
#include "window/numbox/DigitGroupLineLayout.h"

#include <QMimeData>

NumBox::NumBox(QWidget *parent) : QPlainTextEdit(parent)
{
    // The form's settings (font, wrapping, read-only) come after, and apply
    // to this document.
    auto *lines = new QTextDocument(this);
    lines->setDocumentLayout(new DigitGroupLineLayout(lines));
    setDocument(lines);
}

QMimeData *NumBox::createMimeDataFromSelection() const
{
    // Plain text only: Qt's own copy would also offer HTML, and its plain
    // text turns no-break spaces into spaces.
    auto *data = new QMimeData;
    data->setText(plainText(textCursor()));
    return data;
}
