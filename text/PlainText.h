#pragma once

#include <QString>

class QTextCursor;
class QTextDocument;

// The text of a document, or of the selection of a cursor in it, as it
// leaves a box (its Text, a copy, what screen readers read): paragraph and
// line breaks as line feeds, every other character as it stands. Unlike
// QTextDocument::toPlainText it keeps no-break spaces, which group the
// digits of a number in sv_SE and ru_RU.
QString plainText(const QTextDocument &document);
QString plainText(const QTextCursor &selection);
