// The real window, offscreen, in the de_DE locale: start-up state, the three
// commands, focus, the message boxes, and its colours under a dark theme.
#include "WindowDriver.h"
#include "AppInfo.h"
#include "ApplicationSetup.h"
#include "frmFibo.h"

#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRgb>
#include <QTreeWidget>
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

private:
    void type(const QString &n);

    std::unique_ptr<frmFibo> window;
    QLineEdit *txtInput = nullptr;
    QPlainTextEdit *txtOut = nullptr;
    QPlainTextEdit *txtOut2 = nullptr;
    QTreeWidget *Lv = nullptr;
};

void WindowTest::initTestCase()
{
    // Message boxes without a title of their own show the application name.
    QCoreApplication::setApplicationName(QLatin1String(ApplicationName));
    setUpApplication();
}

void WindowTest::init()
{
    QCOMPARE(QLocale::system().name(), QStringLiteral("de_DE"));
    window = std::make_unique<frmFibo>();
    txtInput = child<QLineEdit>(*window, "txtInput");
    txtOut = child<QPlainTextEdit>(*window, "txtOut");
    txtOut2 = child<QPlainTextEdit>(*window, "txtOut2");
    Lv = child<QTreeWidget>(*window, "Lv");
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

void WindowTest::startsEmptyWithFocusInInput()
{
    QCOMPARE(window->windowTitle(), QStringLiteral("FIBONACCI FORMULA"));
    QCOMPARE(window->size(), QSize(942, 576));
    QCOMPARE(window->minimumSize(), window->maximumSize());
    QCOMPARE(QApplication::focusWidget(), txtInput);
    QVERIFY(txtInput->text().isEmpty());
    QVERIFY(txtOut->toPlainText().isEmpty());
    QVERIFY(txtOut2->toPlainText().isEmpty());
    QCOMPARE(Lv->topLevelItemCount(), 0);
    const QTreeWidgetItem *header = Lv->headerItem();
    QCOMPARE(header->text(0), QStringLiteral("NUM"));
    QCOMPARE(header->text(1), QStringLiteral("FIBO RESULT (EXP)"));
    QCOMPARE(header->text(2), QStringLiteral("FIBO RESULT (NUM)"));
    QCOMPARE(Lv->header()->sectionSize(2), 696);
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
        const auto boxes = answeringMessageBoxes([this] { QTest::mouseClick(child<QPushButton>(*window, "cmdCount"), Qt::LeftButton); });
        QCOMPARE(boxes.size(), std::size_t(0));
        QCOMPARE(Lv->topLevelItemCount(), rows);
        const QTreeWidgetItem *last = Lv->topLevelItem(rows - 1);
        for (int column = 0; column < lastRow.size(); ++column)
            QCOMPARE(last->text(column), lastRow.at(column));
        QCOMPARE(txtOut->toPlainText(), out);
        QCOMPARE(txtOut2->toPlainText(), last->text(2));
        QVERIFY(!Lv->topLevelItem(0)->isSelected());
        QCOMPARE(txtInput->text(), input);
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
    QCOMPARE(Lv->topLevelItemCount(), 0);
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
        QVERIFY(Lv->topLevelItemCount() > 0);
    }
    child<QWidget>(*window, qPrintable(focused))->setFocus();
    child<QPushButton>(*window, "cmdClear")->click();
    QVERIFY(txtInput->text().isEmpty());
    QVERIFY(txtOut->toPlainText().isEmpty());
    QVERIFY(txtOut2->toPlainText().isEmpty());
    QCOMPARE(Lv->topLevelItemCount(), 0);
    QCOMPARE(Lv->headerItem()->text(0), QStringLiteral("NUM"));
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

    for (const char *name : {"txtInput", "txtOut", "Lv", "cmdClose"}) {
        QTest::addRow("Enter in %s", name) << name << int(Qt::Key_Return);
        QTest::addRow("Escape in %s", name) << name << int(Qt::Key_Escape);
    }
}

void WindowTest::enterAndEscapePressNoButton()
{
    QFETCH(QString, focused);
    QFETCH(int, key);

    type(QStringLiteral("10"));
    auto *widget = child<QWidget>(*window, qPrintable(focused));
    widget->setFocus();
    const auto boxes = answeringMessageBoxes([&] { QTest::keyClick(widget, Qt::Key(key)); });
    QCOMPARE(boxes.size(), std::size_t(0));
    QCOMPARE(Lv->topLevelItemCount(), 0);
    QVERIFY(window->isVisible());
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

QTEST_MAIN(WindowTest)
#include "tst_window.moc"
