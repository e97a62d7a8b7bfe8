#pragma once

#include <QWidget>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTreeView;

// The named child of `window`; a name the form lacks ends the program.
template <typename T = QWidget>
T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}

// The window's controls that the tests and the benchmarks drive, found by
// their names in the form.
struct NamedControls {
    explicit NamedControls(QWidget &window);

    QLineEdit *const txtInput;
    QPlainTextEdit *const txtOut;
    QPlainTextEdit *const txtOut2;
    QTreeView *const Lv;
    QPushButton *const cmdCount;
    QPushButton *const cmdClear;
    QPushButton *const cmdClose;
};
