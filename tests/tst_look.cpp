// The look of the real window, offscreen, in the de_DE locale: every
// control's place, font and fixed colours, its boxes readable under a dark
// theme, and Clear and Close in view on a screen too small for it.
#include "tests/WindowDriver.h"
#include "window/frmFibo.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRawFont>
#include <QRgb>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTreeView>
#include <QtTest>

#include <cmath>
#include <functional>
#include <map>
#include <string_view>

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

class LookTest : public WindowSuite {
    Q_OBJECT
private slots:
    void look_data();
    void look();
    void boxesReadableUnderDarkTheme_data();
    void boxesReadableUnderDarkTheme();
    void smallScreenKeepsClearAndCloseInView();
};

void LookTest::look_data()
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

void LookTest::look()
{
    QFETCH(QString, name);
    QFETCH(QRect, geometry);
    QFETCH(QString, family);
    QFETCH(int, pixelSize);
    QFETCH(bool, bold);
    QFETCH(int, alignment);
    QFETCH(QColor, background);
    QFETCH(QColor, text);

    const QWidget *widget = w->control<QWidget>(qPrintable(name));
    QCOMPARE(widget->geometry(), geometry);
    if (!family.isEmpty()) {
        QCOMPARE(widget->font().family(), family);
        QCOMPARE(QFontInfo(widget->font()).pixelSize(), pixelSize);
        QCOMPARE(widget->font().bold(), bold);
        QVERIFY(!widget->font().italic() && !widget->font().underline() && !widget->font().strikeOut());
    }
    if (qobject_cast<const QTreeView *>(widget)) {
        // The list sets grouped and plain numbers side by side: a separator taken
        // from a fallback font would lift its cell off the row's baseline.
        const QRawFont font = QRawFont::fromFont(widget->font());
        for (const char32_t c : std::u32string_view(U"0123456789,.'\u00a0\u202f\u2019"))
            QVERIFY2(font.supportsCharacter(uint(c)), qPrintable(font.familyName() + QString::number(c, 16)));
    }
    if (const auto *label = qobject_cast<const QLabel *>(widget))
        QCOMPARE(int(label->alignment() & Qt::AlignHorizontal_Mask), alignment);
    if (background.isValid()) {
        // A multi-line box paints its text on its viewport.
        const auto *area = qobject_cast<const QAbstractScrollArea *>(widget);
        const QWidget *painted = area ? area->viewport() : widget;
        // In an inactive window too: under a dark theme its text would be light.
        for (const auto group : {QPalette::Active, QPalette::Inactive}) {
            QCOMPARE(painted->palette().color(group, painted->backgroundRole()), background);
            QCOMPARE(painted->palette().color(group, painted->foregroundRole()), text);
        }
        QVERIFY(!qobject_cast<const QLabel *>(widget) || widget->autoFillBackground());
    }
}

void LookTest::boxesReadableUnderDarkTheme_data()
{
    QTest::addColumn<QString>("box");
    QTest::addColumn<bool>("active");
    for (const char *box : {"Label1", "txtInput", "txtOut", "txtOut2"}) {
        QTest::newRow(box) << box << true;
        QTest::addRow("%s, another window active", box) << box << false;
    }
}

// Measured on the rendered boxes: text at least 4.5:1 against the box, the
// selection at least 3:1 against the box and its text 4.5:1 against it.
void LookTest::boxesReadableUnderDarkTheme()
{
    QFETCH(QString, box);
    QFETCH(bool, active);

    frmFibo dark;
    dark.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dark));
    QWidget other;
    if (!active) {
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
    }
    // The theme turns dark while the window is open: a text edit keeps the
    // colours of that moment, an inactive window's where another is active.
    const QPalette theme = QApplication::palette();
    QApplication::setPalette(breezeDark());
    const auto restore = qScopeGuard([&] { QApplication::setPalette(theme); });
    QCoreApplication::processEvents();
    const NamedControls controls(dark);
    controls.txtInput->setText(QStringLiteral("1.476"));
    controls.cmdCount->click();

    // The focus elsewhere: the caret would count as text.
    controls.Lv->setFocus();
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

// The second offscreen screen is a laptop's at 150 %, too small for the window.
void LookTest::smallScreenKeepsClearAndCloseInView()
{
    QWidget &window = w->window();
    const QRect laptop = QGuiApplication::screens().at(1)->availableGeometry();
    window.setScreen(QGuiApplication::screens().at(1));
    QCOMPARE(window.frameGeometry().size().boundedTo(laptop.size()), window.frameGeometry().size());
    for (const char *name : {"cmdClear", "cmdClose"}) {
        const QWidget *button = w->control(name);
        QVERIFY(window.rect().contains(QRect(button->mapTo(&window, QPoint()), button->size())));
    }

    // Scrolled to the far corner, Clear brings the input box, now focused, into view.
    auto *scroll = w->control<QScrollArea>("scrForm");
    for (QScrollBar *bar : {scroll->horizontalScrollBar(), scroll->verticalScrollBar()})
        bar->setValue(bar->maximum());
    QTest::mouseClick(w->cmdClear, Qt::LeftButton);
    QCOMPARE(QApplication::focusWidget(), w->txtInput);
    const QRect input(w->txtInput->mapTo(scroll->viewport(), QPoint()), w->txtInput->size());
    QVERIFY(scroll->viewport()->rect().contains(input));

    // As large as fits, it may still be made smaller.
    window.resize(600, 400);
    QCOMPARE(window.size(), QSize(600, 400));

    // On a screen large enough it takes its full, fixed size again.
    window.setScreen(QGuiApplication::screens().at(0));
    QCOMPARE(window.size(), QSize(942, 576));
    QCOMPARE(window.minimumSize(), window.maximumSize());
}

QTEST_MAIN(LookTest)
#include "tst_look.moc"
