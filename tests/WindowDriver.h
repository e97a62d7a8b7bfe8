#pragma once

#include "tests/NamedControls.h"

#include <QMessageBox>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>
#include <vector>

class frmFibo;

// What a test saw of a message box.
struct SeenMessageBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    Qt::WindowModality modality;
    int width;
};

// Runs `action`, answering with OK every message box that it opens on the
// way. Returns the boxes in the order they were shown.
std::vector<SeenMessageBox> answeringMessageBoxes(const std::function<void()> &action);

// The real window for a test, built and shown: its controls by name, and a
// user's steps in one syntax (run). Tests check ready() after building it.
class WindowDriver : public NamedControls {
    std::unique_ptr<frmFibo> window_;
    explicit WindowDriver(std::unique_ptr<frmFibo> window);

public:
    WindowDriver();
    ~WindowDriver();

    // Shown and active, with the focus in the input box.
    bool ready() const;

    frmFibo &window() const { return *window_; }
    QWidget &form() const;
    template <typename T = QWidget>
    T *control(const char *name) const
    {
        return child<T>(form(), name);
    }

    // Puts `text` into the input box as one edit, with no key event.
    void type(const QString &text);
    // Clicks Count, answering and keeping the message boxes it shows.
    void count();
    int rows() const;
    QString cell(int row, int column) const;
    // Both result boxes and the list empty.
    bool showsNothing() const;

    // One step of a scenario, sent to the control with the focus:
    //   type:KEYS          press and release each key
    //   key:NAME           press and release one key (Ctrl+, Shift+, Alt+ prefixes)
    //   hold:CHARS         press the first key and let it repeat the others, no release
    //   release:CHAR       release a held key
    //   compose:TEXT       one key press that brings all of TEXT, then its release
    //   commit:TEXT        an input method commits TEXT
    //   select:TEXT        select the first TEXT in the input box with the mouse
    //   clip:TEXT          put TEXT on the clipboard
    //   menu:ACTION        choose ACTION from the context menu, opened as the Menu key does
    //   shift-f10:ACTION   the same, the menu opened by Shift+F10
    //   click-row:N        click row N of the list; ctrl-click-row:N with Ctrl held
    //   count              press Count (message boxes are answered and kept)
    // "{s}" in TEXT stands for the digit-group separator of the user's locale.
    void run(const QString &step);
    QString grouped(QString text) const;

    std::vector<SeenMessageBox> boxes;
    QPoint menuShownAt; // of the last menu a step chose from, on the screen
};

// A suite that drives the real window: the application is set up once, and
// each test function gets a new window, shown and ready.
class WindowSuite : public QObject {
    Q_OBJECT

protected slots:
    void initTestCase();
    void init();
    void cleanup();

protected:
    std::unique_ptr<WindowDriver> w;
};
