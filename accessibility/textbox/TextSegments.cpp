#include "accessibility/textbox/TextSegments.h"

#include "number/Grouping.h"

#include <algorithm>

namespace {

bool endsParagraph(QChar c)
{
    return c == u'\n' || c == QChar::ParagraphSeparator;
}

// The code point at i; a low surrogate counts as the pair it ends.
char32_t codePointAt(const QString &text, int i)
{
    const QChar c = text.at(i);
    if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate())
        return QChar::surrogateToUcs4(c, text.at(i + 1));
    if (c.isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate())
        return QChar::surrogateToUcs4(text.at(i - 1), c);
    return c.unicode();
}

bool continuesCharacter(const QString &text, int i)
{
    return text.at(i).isLowSurrogate() || QChar::isMark(codePointAt(text, i));
}

// A digit-group or decimal separator between two digits keeps a number one
// word, as it is read out.
bool isWordCharacter(const QString &text, int i)
{
    const char32_t c = codePointAt(text, i);
    if (QChar::isLetterOrNumber(c))
        return true;
    return ModFibo::Grouping::joinsDigitsAt(text, i);
}

bool endsSentence(QChar c)
{
    return c == u'.' || c == u'!' || c == u'?';
}

// Where the segments of `kind` begin: 0 first, ascending; the length itself
// only for the empty line or paragraph after a final line feed.
std::vector<int> segmentStarts(const QString &text, const std::vector<int> &lineStarts,
                               QAccessible::TextBoundaryType kind)
{
    const int length = int(text.size());
    std::vector<int> starts{0};
    bool previousInWord = isWordCharacter(text, 0);
    QChar lastNonBlank = text.at(0);
    for (int i = 1; i <= length; ++i) {
        const bool afterParagraph = endsParagraph(text.at(i - 1));
        bool startsHere = false;
        switch (kind) {
        case QAccessible::CharBoundary:
            startsHere = i < length && !continuesCharacter(text, i);
            break;
        case QAccessible::WordBoundary:
            // A combining mark or the second half of a pair goes with the character before it.
            if (i < length && !continuesCharacter(text, i)) {
                const bool inWord = isWordCharacter(text, i);
                startsHere = inWord != previousInWord;
                previousInWord = inWord;
            }
            break;
        case QAccessible::SentenceBoundary:
            // A sentence ends with its blanks, or with its paragraph.
            startsHere = i < length
                         && (afterParagraph
                             || (!text.at(i).isSpace() && text.at(i - 1).isSpace() && endsSentence(lastNonBlank)));
            if (afterParagraph)
                lastNonBlank = QChar();
            else if (!text.at(i - 1).isSpace())
                lastNonBlank = text.at(i - 1);
            break;
        case QAccessible::LineBoundary:
        case QAccessible::ParagraphBoundary:
            startsHere = afterParagraph;
            break;
        case QAccessible::NoBoundary:
            break;
        }
        if (startsHere)
            starts.push_back(i);
    }
    if (kind == QAccessible::LineBoundary) {
        for (const int start : lineStarts) {
            // A line that the box wraps inside a word, such as a long number,
            // goes on to the word's end: the word is read whole.
            if (start > 0 && start < length && !(isWordCharacter(text, start - 1) && isWordCharacter(text, start)))
                starts.push_back(start);
        }
        std::sort(starts.begin(), starts.end());
        starts.erase(std::unique(starts.begin(), starts.end()), starts.end());
    }
    return starts;
}

} // namespace

TextSpan textSpan(const QString &text, const std::vector<int> &lineStarts, QAccessible::TextBoundaryType kind,
                  TextQuery query, int offset)
{
    const int length = int(text.size());
    if (offset == -1)
        offset = length;
    if (text.isEmpty() || offset < 0 || offset > length)
        return {};
    if (kind == QAccessible::NoBoundary)
        return query == TextQuery::At ? TextSpan{0, length} : TextSpan{};

    const std::vector<int> starts = segmentStarts(text, lineStarts, kind);
    const int count = int(starts.size());
    const auto segment = [&](int index) {
        if (index < 0 || index >= count)
            return TextSpan{};
        return TextSpan{starts[index], index + 1 < count ? starts[index + 1] : length};
    };

    // The segment holding the offset; the end holds the last line or paragraph,
    // and lies after the last character, word or sentence.
    const bool byLines = kind == QAccessible::LineBoundary || kind == QAccessible::ParagraphBoundary;
    const int holding = offset < length || byLines
                            ? int(std::upper_bound(starts.begin(), starts.end(), offset) - starts.begin()) - 1
                            : count;
    switch (query) {
    case TextQuery::Before:
        return segment(holding - 1);
    case TextQuery::At:
        // A caret at the end has just finished the last word or sentence.
        return holding == count && kind != QAccessible::CharBoundary ? segment(count - 1) : segment(holding);
    case TextQuery::After:
        return segment(holding + 1);
    }
    return {};
}
