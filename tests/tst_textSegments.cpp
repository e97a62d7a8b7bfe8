// The boundaries that screen readers ask for in a text, without a window:
// every kind of boundary before, at and after the edges of a text.
#include "accessibility/TextSegments.h"

#include <QtTest>

Q_DECLARE_METATYPE(QAccessible::TextBoundaryType)

class TextSegmentsTest : public QObject {
    Q_OBJECT
private slots:
    void boundaries_data();
    void boundaries();
    void groupedNumberIsOneWord_data();
    void groupedNumberIsOneWord();
    void wrappedLines_data();
    void wrappedLines();
};

void TextSegmentsTest::boundaries_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QAccessible::TextBoundaryType>("kind");
    // The spans "start-end" ("-" for none) at the offsets 0, 1, the middle,
    // length - 1, length and length + 1.
    QTest::addColumn<QString>("before");
    QTest::addColumn<QString>("at");
    QTest::addColumn<QString>("after");

    const QString input = QStringLiteral("12.345 abc"); // 10 characters; the middle is 5
    QTest::newRow("input char") << input << QAccessible::CharBoundary
                                << "- 0-1 4-5 8-9 9-10 -" << "0-1 1-2 5-6 9-10 - -" << "1-2 2-3 6-7 - - -";
    // Word at the end: where the caret stays after each key (it never returned).
    QTest::newRow("input word") << input << QAccessible::WordBoundary
                                << "- - - 6-7 7-10 -" << "0-6 0-6 0-6 7-10 7-10 -" << "6-7 6-7 6-7 - - -";
    QTest::newRow("input sentence") << input << QAccessible::SentenceBoundary
                                    << "- - - - 0-10 -" << "0-10 0-10 0-10 0-10 0-10 -" << "- - - - - -";
    QTest::newRow("input line") << input << QAccessible::LineBoundary
                                << "- - - - - -" << "0-10 0-10 0-10 0-10 0-10 -" << "- - - - - -";
    QTest::newRow("input paragraph") << input << QAccessible::ParagraphBoundary
                                     << "- - - - - -" << "0-10 0-10 0-10 0-10 0-10 -" << "- - - - - -";
    // A character may take two UTF-16 units (a pair), or carry a combining mark.
    QTest::newRow("input char, pair and mark")
        << QStringLiteral("1\U0001F600e\u03012") << QAccessible::CharBoundary
        << "- 0-1 1-3 3-5 5-6 -" << "0-1 1-3 3-5 5-6 - -" << "1-3 3-5 5-6 - - -";
    QTest::newRow("input whole") << input << QAccessible::NoBoundary
                                 << "- - - - - -" << "0-10 0-10 0-10 0-10 0-10 -" << "- - - - - -";

    const QString out = QStringLiteral("Too big. 1.477\n55"); // 17 characters; the middle is 8
    QTest::newRow("out char") << out << QAccessible::CharBoundary
                              << "- 0-1 7-8 15-16 16-17 -" << "0-1 1-2 8-9 16-17 - -" << "1-2 2-3 9-10 - - -";
    QTest::newRow("out word") << out << QAccessible::WordBoundary
                              << "- - 4-7 14-15 15-17 -" << "0-3 0-3 7-9 15-17 15-17 -" << "3-4 3-4 9-14 - - -";
    QTest::newRow("out sentence") << out << QAccessible::SentenceBoundary
                                  << "- - - 9-15 15-17 -" << "0-9 0-9 0-9 15-17 15-17 -" << "9-15 9-15 9-15 - - -";
    QTest::newRow("out line") << out << QAccessible::LineBoundary
                              << "- - - 0-15 0-15 -" << "0-15 0-15 0-15 15-17 15-17 -" << "15-17 15-17 15-17 - - -";
    QTest::newRow("out paragraph") << out << QAccessible::ParagraphBoundary
                                   << "- - - 0-15 0-15 -" << "0-15 0-15 0-15 15-17 15-17 -"
                                   << "15-17 15-17 15-17 - - -";
    QTest::newRow("out whole") << out << QAccessible::NoBoundary << "- - - - - -"
                               << "0-17 0-17 0-17 0-17 0-17 -" << "- - - - - -";

    // A final line feed leaves an empty last line and paragraph.
    const QString out2 = QStringLiteral("1.476\n"); // 6 characters; the middle is 3
    QTest::newRow("out2 char") << out2 << QAccessible::CharBoundary
                               << "- 0-1 2-3 4-5 5-6 -" << "0-1 1-2 3-4 5-6 - -" << "1-2 2-3 4-5 - - -";
    QTest::newRow("out2 word") << out2 << QAccessible::WordBoundary
                               << "- - - 0-5 5-6 -" << "0-5 0-5 0-5 5-6 5-6 -" << "5-6 5-6 5-6 - - -";
    QTest::newRow("out2 sentence") << out2 << QAccessible::SentenceBoundary
                                   << "- - - - 0-6 -" << "0-6 0-6 0-6 0-6 0-6 -" << "- - - - - -";
    QTest::newRow("out2 line") << out2 << QAccessible::LineBoundary
                               << "- - - - 0-6 -" << "0-6 0-6 0-6 0-6 6-6 -" << "6-6 6-6 6-6 6-6 - -";
    QTest::newRow("out2 paragraph") << out2 << QAccessible::ParagraphBoundary
                                    << "- - - - 0-6 -" << "0-6 0-6 0-6 0-6 6-6 -" << "6-6 6-6 6-6 6-6 - -";
    QTest::newRow("out2 whole") << out2 << QAccessible::NoBoundary << "- - - - - -"
                                << "0-6 0-6 0-6 0-6 0-6 -" << "- - - - - -";
}

void TextSegmentsTest::boundaries()
{
    QFETCH(QString, text);
    QFETCH(QAccessible::TextBoundaryType, kind);
    QFETCH(QString, before);
    QFETCH(QString, at);
    QFETCH(QString, after);

    const int n = int(text.size());
    const std::pair<TextQuery, QString> queries[] = {{TextQuery::At, at}, {TextQuery::Before, before}, {TextQuery::After, after}};
    for (const auto &[query, expected] : queries) {
        QStringList got;
        for (const int offset : {0, 1, n / 2, n - 1, n, n + 1}) {
            const TextSpan span = textSpan(text, {}, kind, query, offset);
            got << (span.start < 0 && span.end < 0 ? QStringLiteral("-") : QStringLiteral("%1-%2").arg(span.start).arg(span.end));
        }
        QCOMPARE(got.join(u' '), expected);
    }
}

void TextSegmentsTest::groupedNumberIsOneWord_data()
{
    QTest::addColumn<QChar>("separator");
    // Each locale's separator, and what is pasted in its place.
    for (const char16_t c : {u'.', u',', u'\'', u'\u00A0', u'\u02BC', u'\u2009', u'\u2019', u'\u202F'})
        QTest::addRow("U+%04X", unsigned(c)) << QChar(c);
}

void TextSegmentsTest::groupedNumberIsOneWord()
{
    QFETCH(QChar, separator);
    const QString number = QStringLiteral("354") + separator + QStringLiteral("224") + separator + QStringLiteral("848");
    const TextSpan word = textSpan(number + QStringLiteral(" km"), {}, QAccessible::WordBoundary, TextQuery::At, 5);
    QCOMPARE(std::pair(word.start, word.end), std::pair(0, int(number.size())));
}

void TextSegmentsTest::wrappedLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QList<int>>("shown"); // where the box starts its wrapped lines
    QTest::addColumn<QString>("read"); // the lines "start-end" read at each of them
    QTest::newRow("number") << QStringLiteral("354.224.848") << QList<int>{4, 8} << "0-11 0-11";
    QTest::newRow("words") << QStringLiteral("ab cde fgh") << QList<int>{3, 7} << "3-7 7-10";
}

void TextSegmentsTest::wrappedLines()
{
    QFETCH(QString, text);
    QFETCH(QList<int>, shown);
    QFETCH(QString, read);
    QStringList got;
    for (const int start : shown) {
        const TextSpan line = textSpan(text, {shown.cbegin(), shown.cend()}, QAccessible::LineBoundary, TextQuery::At, start);
        got << QStringLiteral("%1-%2").arg(line.start).arg(line.end);
    }
    QCOMPARE(got.join(u' '), read);
}

QTEST_APPLESS_MAIN(TextSegmentsTest)
#include "tst_textSegments.moc"
