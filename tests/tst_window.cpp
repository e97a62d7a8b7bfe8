// The real window, offscreen, in the de_DE locale: start-up state, the three
// commands, focus, the message boxes, its colours under a dark theme, and
// getting rows out of the list.
#include "tests/WindowDriver.h"
#include "app/ApplicationSetup.h"
#include "window/list/ListCellTips.h"
#include "window/frmFibo.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRgb>
#include <QScrollBar>
#include <QToolTip>
#include <QTreeView>
#include <QtTest>

#include <cmath>
#include <functional>
#include <map>

Q_DECLARE_METATYPE(QMessageBox::Icon)

class WindowTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startsEmptyWithFocusInInput();
    void look_data();
    void look();
    void count_data();
    void count();
    void messageBoxes_data();
    void messageBoxes();
    void clearEmptiesAllAndFocusesInput_data();
    void clearEmptiesAllAndFocusesInput();
    void tabOrder();
    void resultBoxesAreReadOnly_data();
    void resultBoxesAreReadOnly();
    void enterAndEscapePressNoButton_data();
    void enterAndEscapePressNoButton();
    void boxesReadableUnderDarkTheme_data();
    void boxesReadableUnderDarkTheme();
    void copyRows_data();
    void copyRows();
    void copyAllOfTheLargestTable();
    void cellsCutShortShowTheirText_data();
    void cellsCutShortShowTheirText();
    void tipsOfLongNumbersCanWrap_data();
    void tipsOfLongNumbersCanWrap();
    void emptiedListScrollsBackToTopLeft_data();
    void emptiedListScrollsBackToTopLeft();

private:
    void type(const QString &n);
    void countFor(const QString &n);
    int rows() const { return Lv->model()->rowCount(); }
    QString cell(int row, int column) const { return Lv->model()->index(row, column).data().toString(); }

    std::unique_ptr<frmFibo> window;
    QLineEdit *txtInput = nullptr;
    QPlainTextEdit *txtOut = nullptr;
    QPlainTextEdit *txtOut2 = nullptr;
    QTreeView *Lv = nullptr;
};

void WindowTest::initTestCase()
{
    setUpApplication();
}

void WindowTest::init()
{
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    window = std::make_unique<frmFibo>();
    txtInput = child<QLineEdit>(*window, "txtInput");
    txtOut = child<QPlainTextEdit>(*window, "txtOut");
    txtOut2 = child<QPlainTextEdit>(*window, "txtOut2");
    Lv = child<QTreeView>(*window, "Lv");
    window->show();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
}

void WindowTest::cleanup()
{
    window.reset();
}

void WindowTest::type(const QString &n)
{
    txtInput->setText(n);
}

void WindowTest::countFor(const QString &n)
{
    type(n);
    child<QPushButton>(*window, "cmdCount")->click();
    QCOMPARE(rows(), QLocale::system().toInt(n) + 1);
}

void WindowTest::startsEmptyWithFocusInInput()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("FIBONACCI FORMULA"));
    QCOMPARE(window->size(), QSize(942, 576));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(QApplication::focusWidget(), txtInput);
    QVERIFY(txtInput->text().isEmpty());
    QVERIFY(txtOut->toPlainText().isEmpty());
    QVERIFY(txtOut2->toPlainText().isEmpty());
    QCOMPARE(rows(), 0);
    const QStringList headers{"NUM", "FIBO RESULT (EXP)", "FIBO RESULT (NUM)"};
    const QList<int> widths{83, 203, 696};
    QCOMPARE(Lv->header()->count(), 3);
    for (int column = 0; column < 3; ++column) {
        QCOMPARE(Lv->model()->headerData(column, Qt::Horizontal).toString(), headers.at(column));
        QCOMPARE(Lv->header()->sectionSize(column), widths.at(column));
    }
    QCOMPARE(txtInput->accessibleName(), QStringLiteral("Enter n"));
    QCOMPARE(Lv->accessibleName(), QStringLiteral("Fibonacci sequence"));

    // A later activation puts the focus back into the input box.
    child<QPushButton>(*window, "cmdClose")->setFocus();
    QWidget other;
    other.show();
    other.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&other));
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window.get()));
    QCOMPARE(QApplication::focusWidget(), txtInput);
}

void WindowTest::look_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QRect>("geometry"); // in its container, in pixels
    QTest::addColumn<QString>("family");
    QTest::addColumn<int>("pixelSize");
    QTest::addColumn<bool>("bold");
    QTest::addColumn<int>("alignment"); // horizontal; 0 where there is none
    QTest::addColumn<QColor>("background"); // invalid: the theme's
    QTest::addColumn<QColor>("text");

    const QColor theme, white(255, 255, 255), black(0, 0, 0), cyan(192, 255, 255);
    const auto row = [&](const char *name, QRect geometry, const char *family, int pixelSize, bool bold = false,
                         int alignment = 0, QColor background = QColor(), QColor text = QColor()) {
        QTest::newRow(name) << name << geometry << family << pixelSize << bold << alignment << background << text;
    };
    row("Label1", {8, 0, 929, 33}, "Arial", 21, true, Qt::AlignHCenter, white, black);
    row("Frame1", {8, 40, 409, 481}, nullptr, 0);
    row("Label2_3", {32, 30, 60, 20}, "Trebuchet MS", 15, false, Qt::AlignLeft);
    row("txtInput", {96, 24, 113, 33}, "Tahoma", 19, true, 0, white, black);
    row("cmdCount", {240, 32, 73, 24}, "Arial", 13);
    row("Label2_2", {32, 80, 51, 20}, "Trebuchet MS", 15, false, Qt::AlignLeft);
    row("txtOut", {16, 112, 377, 33}, "Tahoma", 16, false, 0, cyan, black);
    row("txtOut2", {16, 160, 377, 217}, "Tahoma", 16, false, 0, cyan, black);
    row("Label2_0", {24, 392, 286, 76}, "Trebuchet MS", 15, false, Qt::AlignLeft);
    row("FrameOpt", {432, 40, 505, 481}, nullptr, 0);
    row("Lv", {8, 16, 489, 413}, "Arial", 15);
    row("picButtons", {0, 536, 942, 40}, nullptr, 0);
    row("cmdClear", {384, 8, 73, 24}, "Arial", 13);
    row("cmdClose", {760, 8, 113, 24}, "Arial", 13);
}

void WindowTest::look()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(int, alignment);
    QFETCH(QColor, background);
    QFETCH(QColor, text);

    const QWidget *widget = child<QWidget>(*window, qPrintable(name));
    QCOMPARE(widget->geometry(), geometry);
    if (!family.isEmpty()) {
        QCOMPARE(widget->font().family(), family);
        QCOMPARE(QFontInfo(widget->font()).pixelSize(), pixelSize);
        QCOMPARE(widget->font().bold(), bold);
        QVERIFY(!widget->font().italic() && !widget->font().underline() && !widget->font().strikeOut());
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    if (background.isValid()) {
        // A multi-line box paints its text on its viewport.
        const auto *area = qobject_cast<const QAbstractScrollArea *>(widget);
        const QWidget *painted = area ? area->viewport() : widget;
        QCOMPARE(painted->palette().color(painted->backgroundRole()), background);
        QCOMPARE(painted->palette().color(painted->foregroundRole()), text);
        QVERIFY(!qobject_cast<const QLabel *>(widget) || widget->autoFillBackground());
    }
}

void WindowTest::count_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QStringList>("lastRow");
    QTest::addColumn<QString>("out");

    QTest::newRow("1") << "1" << 2 << QStringList{"1", "1", "1"} << "1";
    QTest::newRow("10") << "10" << 11 << QStringList{"10", "55", "55"} << "55";
    QTest::newRow("20") << "20" << 21 << QStringList{"20", "6765", "6.765"} << "6765";
    QTest::newRow("1476") << "1.476" << 1477 << QStringList{"1476", "1,3069892237634E+308"}
                          << "1,3069892237634E+308";
}

void WindowTest::count()
{
    QFETCH(QString, input);
    QFETCH(int, rows);
    QFETCH(QStringList, lastRow);
    QFETCH(QString, out);

    type(input);
    for (int run = 0; run < 2; ++run) { // a second Count replaces the table
        // The second one leaves the focus where it was, in the list.
        auto *cmdCount = child<QPushButton>(*window, "cmdCount");
        const auto boxes = answeringMessageBoxes([&] {
            run == 0 ? QTest::mouseClick(cmdCount, Qt::LeftButton) : cmdCount->click();
        });
        QCOMPARE(boxes.size(), std::size_t(0));
        QCOMPARE(this->rows(), rows);
        for (int column = 0; column < lastRow.size(); ++column)
            QCOMPARE(cell(rows - 1, column), lastRow.at(column));
        QCOMPARE(txtOut->toPlainText(), out);
        QCOMPARE(txtOut2->toPlainText(), cell(rows - 1, 2));
        QCOMPARE(txtInput->text(), input);
        // No row is selected, nor becomes so when the list takes the focus.
        QVERIFY(!Lv->selectionModel()->hasSelection());
        Lv->setFocus(Qt::TabFocusReason);
        QVERIFY(!Lv->selectionModel()->hasSelection());
    }
}

void WindowTest::messageBoxes_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QMessageBox::Icon>("icon");

    QTest::newRow("too big") << "1477" << "Number too big for computing !" << "System Computer" << QMessageBox::Critical;
    QTest::newRow("empty") << "" << "Subscript out of range" << "Corvane" << QMessageBox::NoIcon;
    QTest::newRow("zero") << "0" << "Subscript out of range" << "Corvane" << QMessageBox::NoIcon;
    QTest::newRow("eleven nines") << "99999999999" << "Overflow" << "Corvane" << QMessageBox::NoIcon;
}

void WindowTest::messageBoxes()
{
    QFETCH(QString, input);
    QFETCH(QString, text);
    QFETCH(QString, title);
    QFETCH(QMessageBox::Icon, icon);

    type(QStringLiteral("10"));
    child<QPushButton>(*window, "cmdCount")->click();
    type(input);
    const auto boxes = answeringMessageBoxes([this] { child<QPushButton>(*window, "cmdCount")->click(); });
    QCOMPARE(boxes.size(), std::size_t(1));
    QCOMPARE(boxes[0].text, text);
    QCOMPARE(boxes[0].title, title);
    QCOMPARE(boxes[0].icon, icon);
    QCOMPARE(boxes[0].modality, Qt::ApplicationModal);
    QCOMPARE(rows(), 0);
    QVERIFY(txtOut->toPlainText().isEmpty());
    QVERIFY(txtOut2->toPlainText().isEmpty());
    QCOMPARE(txtInput->text(), input);
}

void WindowTest::clearEmptiesAllAndFocusesInput_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("focused");

    QTest::newRow("full, from the button") << "10" << "cmdClear";
    QTest::newRow("full, from the list") << "10" << "Lv";
    QTest::newRow("full, from a result box") << "10" << "txtOut2";
    QTest::newRow("already empty") << "" << "cmdClose";
}

void WindowTest::clearEmptiesAllAndFocusesInput()
{
    QFETCH(QString, input);
    QFETCH(QString, focused);

    if (!input.isEmpty()) {
        type(input);
        child<QPushButton>(*window, "cmdCount")->click();
        QVERIFY(rows() > 0);
    }
    child<QWidget>(*window, qPrintable(focused))->setFocus();
    child<QPushButton>(*window, "cmdClear")->click();
    QVERIFY(txtInput->text().isEmpty());
    QVERIFY(txtOut->toPlainText().isEmpty());
    QVERIFY(txtOut2->toPlainText().isEmpty());
    QCOMPARE(rows(), 0);
    // The emptied list keeps its columns as they were.
    QCOMPARE(Lv->header()->count(), 3);
    QCOMPARE(Lv->header()->sectionSize(2), 696);
    QCOMPARE(QApplication::focusWidget(), txtInput);
}

void WindowTest::tabOrder()
{
    const QStringList forward{"txtOut", "cmdClear", "Lv", "cmdClose", "cmdCount", "txtOut2", "txtInput"};
    for (const QString &next : forward) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget()->objectName(), next);
    }
    for (auto name = forward.crbegin() + 1; name != forward.crend(); ++name) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget()->objectName(), *name);
    }
}

void WindowTest::resultBoxesAreReadOnly_data()
{
    QTest::addColumn<QString>("box");
    QTest::newRow("txtOut") << "txtOut";
    QTest::newRow("txtOut2") << "txtOut2";
}

void WindowTest::resultBoxesAreReadOnly()
{
    QFETCH(QString, box);
    type(QStringLiteral("10"));
    child<QPushButton>(*window, "cmdCount")->click();
    auto *edit = child<QPlainTextEdit>(*window, qPrintable(box));
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_End);
    QTest::keyClicks(edit, QStringLiteral("9x"));
    QTest::keyClick(edit, Qt::Key_Backspace);
    QTest::keyClick(edit, Qt::Key_Home);
    QTest::keyClick(edit, Qt::Key_Delete);
    QApplication::clipboard()->setText(QStringLiteral("123"));
    QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(edit->toPlainText(), QStringLiteral("55"));
    // Still selectable and copyable.
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(edit, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("55"));
}

void WindowTest::enterAndEscapePressNoButton_data()
{
    QTest::addColumn<QString>("focused");
    QTest::addColumn<int>("key");

    for (const char *name : {"txtInput", "txtOut", "Lv", "cmdCount", "cmdClear", "cmdClose"}) {
        QTest::addRow("Enter in %s", name) << name << int(Qt::Key_Return);
        QTest::addRow("Escape in %s", name) << name << int(Qt::Key_Escape);
    }
}

void WindowTest::enterAndEscapePressNoButton()
{
    QFETCH(QString, focused);
    QFETCH(int, key);

    type(QStringLiteral("10"));
    std::vector<std::unique_ptr<QSignalSpy>> clicks;
    for (const char *button : {"cmdCount", "cmdClear", "cmdClose"})
        clicks.push_back(std::make_unique<QSignalSpy>(child<QPushButton>(*window, button), &QPushButton::clicked));
    auto *widget = child<QWidget>(*window, qPrintable(focused));
    widget->setFocus();
    const auto boxes = answeringMessageBoxes([&] { QTest::keyClick(widget, Qt::Key(key)); });
    for (const auto &spy : clicks)
        QCOMPARE(spy->count(), 0);
    QCOMPARE(boxes.size(), std::size_t(0));
    QCOMPARE(rows(), 0);
}

namespace {

// Relative luminance and contrast ratio as WCAG defines them.
double luminance(QRgb rgb)
{
    const auto channel = [](int value) {
        const double c = value / 255.0;
        return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * channel(qRed(rgb)) + 0.7152 * channel(qGreen(rgb)) + 0.0722 * channel(qBlue(rgb));
}

double contrast(QRgb a, QRgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The pixels where `drawn` differs from `before`.
std::vector<QPoint> changedPixels(const QImage &drawn, const QImage &before)
{
    std::vector<QPoint> changed;
    for (int y = 0; y < drawn.height(); ++y) {
        for (int x = 0; x < drawn.width(); ++x) {
            if (drawn.pixel(x, y) != before.pixel(x, y))
                changed.emplace_back(x, y);
        }
    }
    return changed;
}

// The strongest contrast between a colour drawn and `against`: 1 when nothing was drawn.
double strongestContrast(const QImage &drawn, const std::vector<QPoint> &where, const std::function<QRgb(QPoint)> &against)
{
    double best = 1;
    for (const QPoint &point : where)
        best = std::max(best, contrast(drawn.pixel(point), against(point)));
    return best;
}

QRgb commonest(const QImage &image, const std::vector<QPoint> &where)
{
    std::map<QRgb, int> counts;
    for (const QPoint &point : where)
        ++counts[image.pixel(point)];
    return std::max_element(counts.cbegin(), counts.cend(), [](auto a, auto b) { return a.second < b.second; })->first;
}

// KDE's Breeze Dark: light text, and a light-blue selection with light text.
QPalette breezeDark()
{
    QPalette dark;
    for (auto role : {QPalette::Window, QPalette::Button})
        dark.setColor(role, QColor(49, 54, 59));
    dark.setColor(QPalette::Base, QColor(35, 38, 41));
    for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText, QPalette::HighlightedText})
        dark.setColor(role, QColor(252, 252, 252));
    dark.setColor(QPalette::Highlight, QColor(61, 174, 233));
    return dark;
}

QImage grabbed(QWidget &widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

} // namespace

void WindowTest::boxesReadableUnderDarkTheme_data()
{
    QTest::addColumn<QString>("box");
    for (const char *box : {"Label1", "txtInput", "txtOut", "txtOut2"})
        QTest::newRow(box) << box;
}

// Measured on the rendered boxes: text at least 4.5:1 against the box, the
// selection at least 3:1 against the box and its text 4.5:1 against it.
void WindowTest::boxesReadableUnderDarkTheme()
{
    QFETCH(QString, box);

    const QPalette theme = QApplication::palette();
    QApplication::setPalette(breezeDark());
    const auto restore = qScopeGuard([&] { QApplication::setPalette(theme); });
    frmFibo dark;
    dark.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dark));
    child<QLineEdit>(dark, "txtInput")->setText(QStringLiteral("1.476"));
    child<QPushButton>(dark, "cmdCount")->click();

    // The focus elsewhere: the caret would count as text.
    child<QWidget>(dark, "Lv")->setFocus();
    auto *widget = child<QWidget>(dark, qPrintable(box));
    const QByteArray property = widget->inherits("QPlainTextEdit") ? "plainText" : "text";
    const QVariant text = widget->property(property);
    const QImage withText = grabbed(*widget);
    widget->setProperty(property, QString());
    const QImage empty = grabbed(*widget);
    widget->setProperty(property, text);
    const auto textPixels = changedPixels(withText, empty);
    const double textContrast = strongestContrast(withText, textPixels, [&](QPoint p) { return empty.pixel(p); });
    QVERIFY2(textContrast >= 4.5, qPrintable(QStringLiteral("text %1:1").arg(textContrast)));

    if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->selectAll();
    else if (auto *edit = qobject_cast<QPlainTextEdit *>(widget))
        edit->selectAll();
    else
        return;
    const QImage selected = grabbed(*widget);
    const auto selectedPixels = changedPixels(selected, withText);
    QVERIFY(!selectedPixels.empty());
    const QRgb highlight = commonest(selected, selectedPixels);
    const double selectionContrast = contrast(highlight, commonest(empty, selectedPixels));
    QVERIFY2(selectionContrast >= 3, qPrintable(QStringLiteral("selection %1:1").arg(selectionContrast)));
    const double selectedTextContrast = strongestContrast(selected, selectedPixels, [&](QPoint) { return highlight; });
    QVERIFY2(selectedTextContrast >= 4.5, qPrintable(QStringLiteral("selected text %1:1").arg(selectedTextContrast)));
}

// The rows of the table for 10 under de_DE, as the clipboard gets them.
static const QStringList linesForTen{"0\t0\t0",  "1\t1\t1",   "2\t1\t1",   "3\t2\t2",   "4\t3\t3",   "5\t5\t5",
                                     "6\t8\t8",  "7\t13\t13", "8\t21\t21", "9\t34\t34", "10\t55\t55"};

void WindowTest::copyRows_data()
{
    QTest::addColumn<QStringList>("steps"); // key sequences, "[Ctrl+]click ROW" or "menu ACTION"
    QTest::addColumn<QList<int>>("copied");

    const QList<int> all{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    QTest::newRow("Ctrl+A, Ctrl+C") << QStringList{"Ctrl+A", "Ctrl+C"} << all;
    QTest::newRow("Ctrl+A, Ctrl+Insert") << QStringList{"Ctrl+A", "Ctrl+Ins"} << all;
    QTest::newRow("menu Select all, menu Copy") << QStringList{"menu Select all", "menu Copy"} << all;
    QTest::newRow("menu Copy all rows") << QStringList{"menu Copy all rows"} << all;
    QTest::newRow("click, Shift+Down twice") << QStringList{"click 2", "Shift+Down", "Shift+Down", "Ctrl+C"}
                                             << QList<int>{2, 3, 4};
    QTest::newRow("click, Ctrl+click above") << QStringList{"click 7", "Ctrl+click 1", "Ctrl+C"} << QList<int>{1, 7};
    QTest::newRow("nothing selected") << QStringList{"Ctrl+C"} << QList<int>{};
}

void WindowTest::copyRows()
{
    QFETCH(QStringList, steps);
    QFETCH(QList<int>, copied);

    countFor(QStringLiteral("10"));
    QApplication::clipboard()->setText(QStringLiteral("before"));
    Lv->setFocus(Qt::TabFocusReason);
    for (const QString &step : steps) {
        const QStringList words = step.split(u' ');
        if (words.at(0).endsWith(u"click")) {
            const auto modifiers = words.at(0) == u"Ctrl+click" ? Qt::ControlModifier : Qt::NoModifier;
            const QRect row = Lv->visualRect(Lv->model()->index(words.at(1).toInt(), 0));
            QTest::mouseClick(Lv->viewport(), Qt::LeftButton, modifiers, row.center());
        } else if (words.at(0) == u"menu") {
            const QString text = words.mid(1).join(u' ');
            const auto actions = Lv->actions();
            const auto action = std::find_if(actions.begin(), actions.end(),
                                             [&](QAction *a) { return a->text().remove(u'&') == text; });
            QVERIFY2(action != actions.end(), qPrintable(text));
            (*action)->trigger();
        } else {
            QTest::keySequence(Lv, QKeySequence(step));
        }
    }
    QString expected;
    for (const int row : copied)
        expected += linesForTen.at(row) + u'\n';
    QCOMPARE(QApplication::clipboard()->text(), copied.isEmpty() ? QStringLiteral("before") : expected);
}

void WindowTest::copyAllOfTheLargestTable()
{
    countFor(QStringLiteral("1.476"));
    Lv->setFocus(Qt::TabFocusReason);
    QTest::keyClick(Lv, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(Lv, Qt::Key_C, Qt::ControlModifier);
    const QStringList lines = QApplication::clipboard()->text().split(u'\n');
    QCOMPARE(lines.size(), 1477 + 1); // each line ends with a newline
    QCOMPARE(lines.at(0), QStringLiteral("0\t0\t0"));
    QCOMPARE(lines.at(1476), QStringLiteral("1476\t1,3069892237634E+308\t") + txtOut2->toPlainText());
    QVERIFY(lines.at(1477).isEmpty());
}

void WindowTest::cellsCutShortShowTheirText_data()
{
    QTest::addColumn<QString>("input");
    QTest::addColumn<int>("column");
    QTest::addColumn<bool>("tip");

    QTest::newRow("NUM of F(1476)") << "1.476" << 2 << true;
    QTest::newRow("EXP of F(1476)") << "1.476" << 1 << false;
    QTest::newRow("index 1476") << "1.476" << 0 << false;
    QTest::newRow("NUM of F(10)") << "10" << 2 << false;
}

void WindowTest::cellsCutShortShowTheirText()
{
    QFETCH(QString, input);
    QFETCH(int, column);
    QFETCH(bool, tip);

    QToolTip::hideText();
    QTRY_VERIFY(!QToolTip::isVisible());
    countFor(input);
    const QModelIndex index = Lv->model()->index(rows() - 1, column);
    Lv->scrollTo(index);
    const QPoint at = Lv->visualRect(index).intersected(Lv->viewport()->rect()).center();
    QHelpEvent event(QEvent::ToolTip, at, Lv->viewport()->mapToGlobal(at));
    QApplication::sendEvent(Lv->viewport(), &event);
    QCOMPARE(QToolTip::isVisible(), tip);
    if (tip) {
        QCOMPARE(QToolTip::text().remove(QChar(0x200B)), cell(rows() - 1, column)); // less its wrapping points
        // Wrapped within the screen, not cut off by it.
        const auto widgets = QApplication::topLevelWidgets();
        const QWidget *label = *std::find_if(widgets.begin(), widgets.end(), [](const QWidget *widget) {
            return widget->objectName() == QLatin1String("qtooltip_label") && widget->isVisible();
        });
        QVERIFY(label->width() <= label->screen()->geometry().width());
    }
}

void WindowTest::tipsOfLongNumbersCanWrap_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("wrappable");
    const QString zwsp = QStringLiteral("\u200B");
    QTest::newRow("at the separators") << "1.234.567" << "1." + zwsp + "234." + zwsp + "567";
    // Where the locale groups nothing (C), a long number still breaks.
    QTest::newRow("ungrouped") << "12345678901234567890" << "12345678" + zwsp + "90123456" + zwsp + "7890";
}

void WindowTest::tipsOfLongNumbersCanWrap()
{
    QFETCH(QString, text);
    QFETCH(QString, wrappable);
    QCOMPARE(wrappableTip(text), wrappable);
}

void WindowTest::emptiedListScrollsBackToTopLeft_data()
{
    QTest::addColumn<QString>("button");
    QTest::newRow("Clear") << "cmdClear";
    QTest::newRow("Count") << "cmdCount";
}

void WindowTest::emptiedListScrollsBackToTopLeft()
{
    QFETCH(QString, button);

    countFor(QStringLiteral("1.476"));
    QCoreApplication::processEvents(); // lays the rows out
    for (QScrollBar *bar : {Lv->horizontalScrollBar(), Lv->verticalScrollBar()}) {
        QVERIFY(bar->maximum() > 0);
        bar->setValue(bar->maximum());
    }
    child<QPushButton>(*window, qPrintable(button))->click();
    QCoreApplication::processEvents();
    QCOMPARE(Lv->horizontalScrollBar()->value(), 0);
    QCOMPARE(Lv->verticalScrollBar()->value(), 0);
}

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
