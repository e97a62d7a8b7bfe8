#include "tests/WindowDriver.h"

#include "app/ApplicationSetup.h"
#include "window/UserNumericSettings.h"
#include "window/frmFibo.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

std::vector<SeenMessageBox> answeringMessageBoxes(const std::function<void()> &action)
{
    std::vector<SeenMessageBox> seen;
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.push_back({box->text(), box->windowTitle(), box->icon(), box->windowModality(), box->width()});
        box->button(QMessageBox::Ok)->click();
    });
    watcher.start();
    action();
    return seen;
}

namespace {

void sendKey(QWidget *target, QEvent::Type type, Qt::Key key, const QString &text, Qt::KeyboardModifiers modifiers,
             bool autoRepeat = false)
{
    QKeyEvent event(type, key, modifiers, text, autoRepeat);
    QApplication::sendEvent(target, &event);
}

// Opens the focused control's context menu, as the Menu key does or by
// Shift+F10, and chooses the action whose text, less its access key and
// shortcut, is `name`. A menu may run an event loop of its own until it
// closes: it is chosen from as soon as it shows, at `shownAt`. A disabled
// action is not chosen: the menu closes. False when there is no such action.
bool chooseFromContextMenu(QWidget *target, const QString &name, bool byShiftF10, QPoint &shownAt)
{
    bool found = false;
    bool chosen = false;
    QTimer chooser;
    chooser.setInterval(1);
    QObject::connect(&chooser, &QTimer::timeout, [&] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        if (!menu)
            return;
        chooser.stop();
        shownAt = menu->pos();
        for (QAction *action : menu->actions()) {
            if (action->text().section(u'\t', 0, 0).remove(u'&') == name) {
                found = true;
                chosen = action->isEnabled();
                if (chosen)
                    menu->setActiveAction(action);
                break;
            }
        }
        QTest::keyClick(menu, chosen ? Qt::Key_Return : Qt::Key_Escape);
    });
    chooser.start();
    if (byShiftF10) {
        QTest::keyClick(target, Qt::Key_F10, Qt::ShiftModifier);
    } else {
        const QPoint at = target->rect().center();
        QContextMenuEvent event(QContextMenuEvent::Keyboard, at, target->mapToGlobal(at));
        QApplication::sendEvent(target, &event);
    }
    if (!QTest::qWaitFor([&chooser] { return !chooser.isActive(); }, 2000))
        return false;
    // A desktop leaves the focus in the control once the menu has closed;
    // the offscreen platform deactivates the window for the menu, and the
    // window's activation then puts the focus into the input box.
    target->setFocus(Qt::PopupFocusReason);
    return found;
}

} // namespace

WindowDriver::WindowDriver() : WindowDriver(std::make_unique<frmFibo>()) {}

WindowDriver::WindowDriver(std::unique_ptr<frmFibo> window) : NamedControls(*window), window_(std::move(window))
{
    window_->show();
}

WindowDriver::~WindowDriver() = default;

QWidget &WindowDriver::form() const
{
    return *window_;
}

bool WindowDriver::ready() const
{
    return QTest::qWaitForWindowActive(window_.get()) && QApplication::focusWidget() == txtInput;
}

void WindowDriver::type(const QString &text)
{
    txtInput->setText(text);
}

void WindowDriver::count()
{
    const auto shown = answeringMessageBoxes([this] { cmdCount->click(); });
    boxes.insert(boxes.end(), shown.begin(), shown.end());
}

int WindowDriver::rows() const
{
    return Lv->model()->rowCount();
}

QString WindowDriver::cell(int row, int column) const
{
    return Lv->model()->index(row, column).data().toString();
}

bool WindowDriver::showsNothing() const
{
    return txtOut->toPlainText().isEmpty() && txtOut2->toPlainText().isEmpty() && rows() == 0;
}

QString WindowDriver::grouped(QString text) const
{
    return text.replace(QStringLiteral("{s}"), userNumericSettings().grouping.separator);
}

void WindowDriver::run(const QString &step)
{
    // The window's focus, even where the offscreen platform has left the
    // window inactive for a moment.
    QWidget *focused = window_->focusWidget();
    QVERIFY2(focused, qPrintable(step));
    const QString verb = step.section(u':', 0, 0);
    const QString argument = step.section(u':', 1);
    if (verb == u"type") {
        // QTest types Latin-1 alone; a keyboard layout sends any other
        // character as the key named after it.
        for (const QChar c : argument) {
            if (c.unicode() <= 0xFF)
                QTest::keyClick(focused, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, focused, Qt::Key(c.toUpper().unicode()), QString(c), Qt::NoModifier);
        }
    } else if (verb == u"key") {
        const QKeyCombination combination = QKeySequence(argument)[0];
        QTest::keyClick(focused, combination.key(), combination.keyboardModifiers());
    } else if (verb == u"hold") {
        for (qsizetype i = 0; i < argument.size(); ++i) {
            const Qt::Key key = Qt::Key(argument.at(i).toUpper().unicode());
            if (i > 0)
                sendKey(focused, QEvent::KeyRelease, key, argument.mid(i, 1), Qt::NoModifier, true);
            sendKey(focused, QEvent::KeyPress, key, argument.mid(i, 1), Qt::NoModifier, i > 0);
        }
    } else if (verb == u"release") {
        sendKey(focused, QEvent::KeyRelease, Qt::Key(argument.at(0).toUpper().unicode()), argument, Qt::NoModifier);
    } else if (verb == u"compose") {
        sendKey(focused, QEvent::KeyPress, Qt::Key_unknown, argument, Qt::NoModifier);
        sendKey(focused, QEvent::KeyRelease, Qt::Key_unknown, argument, Qt::NoModifier);
    } else if (verb == u"commit") {
        QInputMethodEvent event;
        event.setCommitString(argument);
        QApplication::sendEvent(focused, &event);
    } else if (verb == u"select") {
        const QString selected = grouped(argument);
        const qsizetype from = txtInput->text().indexOf(selected);
        QVERIFY2(from >= 0, qPrintable(step));
        txtInput->setSelection(int(from), int(selected.size()));
    } else if (verb == u"clip") {
        QApplication::clipboard()->setText(argument);
    } else if (verb == u"menu" || verb == u"shift-f10") {
        QVERIFY2(chooseFromContextMenu(focused, argument, verb == u"shift-f10", menuShownAt), qPrintable(step));
    } else if (verb == u"click-row" || verb == u"ctrl-click-row") {
        const QRect row = Lv->visualRect(Lv->model()->index(argument.toInt(), 0));
        QTest::mouseClick(Lv->viewport(), Qt::LeftButton,
                          verb == u"ctrl-click-row" ? Qt::ControlModifier : Qt::NoModifier, row.center());
    } else if (verb == u"count") {
        count();
    } else {
        QFAIL(qPrintable("unknown step " + step));
    }
}

void WindowSuite::initTestCase()
{
    setUpApplication();
}

void WindowSuite::init()
{
    w = std::make_unique<WindowDriver>();
    QVERIFY(w->ready());
}

void WindowSuite::cleanup()
{
    w.reset();
}
