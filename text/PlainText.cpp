#include "text/PlainText.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

QString withLineFeeds(QString text)
{
    for (QChar &c : text) {
        if (c == QChar::ParagraphSeparator || c == QChar::LineSeparator)
            c = u'\n';
    }
    return text;
}

} // namespace

QString plainText(const QTextDocument &document)
{
    return withLineFeeds(document.toRawText());
}

QString plainText(const QTextCursor &selection)
{
    return withLineFeeds(selection.selectedText());
}
