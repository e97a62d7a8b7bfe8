#pragma once

#include <QAccessible>
#include <QString>

#include <vector>

// Where an assistive text query looks, relative to the segment at its offset.
enum class TextQuery { Before, At, After };

// A stretch [start, end) of a text; both -1 when there is none.
struct TextSpan {
    int start = -1;
    int end = -1;
};

// The character, word, sentence, line or paragraph before, at or after
// `offset` in `text`, as screen readers ask for them. Each kind cuts the text
// into consecutive segments: characters; runs of word characters (a number
// with its group and decimal separators is one word) and the runs between
// them; sentences with the blanks after them; displayed lines, which begin at
// 0, at each of `lineStarts` that does not fall inside a word, and after each
// line feed; paragraphs, each with its line feed. A text that ends with a line
// feed has an empty last line and paragraph. NoBoundary answers the whole text
// "at" any offset.
//
// Offset -1 stands for the end of the text; the end lies after the last
// character, word and sentence (whose word or sentence it still answers "at")
// and on the last line and paragraph. Any other offset outside 0..length
// answers nothing. Every loop is bounded by the text's length.
TextSpan textSpan(const QString &text, const std::vector<int> &lineStarts, QAccessible::TextBoundaryType kind,
                  TextQuery query, int offset);
