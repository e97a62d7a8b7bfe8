#pragma once

#include <QString>

class QTextCursor;
class QTextDocument;

// The text of a document, or of a cursor's selection, as it leaves a box (its
// Text, a copy, what screen readers read): breaks as line feeds. Unlike
// QTextDocument::toPlainText it keeps no-break spaces, which group digits in
// sv_SE and ru_RU.
QString plainText(const QTextDocument &document);
QString plainText(const QTextCursor &selection);
