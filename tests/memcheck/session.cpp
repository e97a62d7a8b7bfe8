// A short session on the real window for Valgrind's memcheck: exits 1 when a
// step gives a wrong result; memory errors and leaks are Valgrind's part.
#include "tests/WindowDriver.h"
#include "app/ApplicationSetup.h"
#include "window/frmFibo.h"

#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include <cstdio>

namespace {

int failures = 0;

// Not assert(): that is compiled out in the default RelWithDebInfo build.
void check(bool ok, const char *what)
{
    std::fprintf(stderr, "%s: %s\n", ok ? "ok  " : "FAIL", what);
    if (!ok)
        ++failures;
}

struct Session : NamedControls {
    explicit Session(frmFibo &form) : NamedControls(form), window(form) {}

    frmFibo &window;

    // Clicks Count, answers the message boxes, and returns how many there were.
    std::size_t count()
    {
        const auto boxes = answeringMessageBoxes([this] { QTest::mouseClick(cmdCount, Qt::LeftButton); });
        QCoreApplication::processEvents();
        // Offscreen there is no window manager to hand the activation back to
        // the window once a message box has closed.
        if (!boxes.empty()) {
            window.activateWindow();
            check(QTest::qWaitForWindowActive(&window, 60000), "the window is active again after the message box");
        }
        return boxes.size();
    }

    std::size_t countFor(const QString &n)
    {
        txtInput->setText(n);
        return count();
    }

    int rows() const { return Lv->model()->rowCount(); }
};

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    setUpApplication();
    // "1.476" below is 1476 only where the digit-group separator is a point.
    if (QLocale::system().name() != QLatin1String("de_DE")) {
        std::fprintf(stderr, "run with LC_ALL=de_DE.UTF-8 (the system locale is %s)\n",
                     qPrintable(QLocale::system().name()));
        return 1;
    }

    {
        frmFibo window;
        window.show();
        check(QTest::qWaitForWindowActive(&window, 60000), "the window becomes active");
        Session s(window);
        check(QApplication::focusWidget() == s.txtInput, "the input box has the focus");

        check(s.countFor(QStringLiteral("0")) == 1 && s.rows() == 0, "Count for 0: a message box, no rows");
        check(s.countFor(QStringLiteral("10")) == 0 && s.rows() == 11, "Count for 10: 11 rows");
        check(s.txtOut->toPlainText() == QLatin1String("55"), "Count for 10: F(10) is 55");
        check(s.countFor(QStringLiteral("1.476")) == 0 && s.rows() == 1477, "Count for 1.476: 1477 rows");
        check(s.txtOut2->toPlainText() == s.Lv->model()->index(1476, 2).data().toString(), "Count for 1.476: last term shown");
        s.Lv->setFocus();
        QTest::keyClick(s.Lv, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(s.Lv, Qt::Key_C, Qt::ControlModifier);
        check(QApplication::clipboard()->text().count(u'\n') == 1477, "Ctrl+A, Ctrl+C in the list: 1477 lines copied");
        check(s.countFor(QStringLiteral("1477")) == 1 && s.rows() == 0, "Count for 1477: a message box, no rows");

        // Typing through the window's key handling.
        QTest::mouseClick(s.cmdClear, Qt::LeftButton);
        check(s.txtInput->text().isEmpty() && s.rows() == 0, "Clear empties the window");
        QTest::keyClicks(s.txtInput, QStringLiteral("98"));
        check(s.txtInput->text() == QLatin1String("98"), "typed 98");
        QTest::keyClicks(s.txtInput, QStringLiteral("a"));
        check(s.txtInput->text().isEmpty(), "a letter empties the box");
        QTest::keyClicks(s.txtInput, QStringLiteral("12345"));
        check(s.txtInput->text() == QLatin1String("12.345"), "typed 12345, regrouped");
        QTest::keyClick(s.txtInput, Qt::Key_Backspace);
        check(s.txtInput->text() == QLatin1String("1.234"), "Backspace, regrouped");
        check(s.count() == 0 && s.rows() == 1235, "Count for the typed 1.234: 1235 rows");

        QTest::mouseClick(s.cmdClear, Qt::LeftButton);
        QCoreApplication::processEvents();
        check(s.txtInput->text().isEmpty() && s.txtOut->toPlainText().isEmpty()
                  && s.txtOut2->toPlainText().isEmpty() && s.rows() == 0,
              "Clear empties the window again");
        check(QApplication::focusWidget() == s.txtInput, "Clear puts the focus in the input box");
    }
    QCoreApplication::processEvents();

    std::fprintf(stderr, "%d failed\n", failures);
    return failures == 0 ? 0 : 1;
}
