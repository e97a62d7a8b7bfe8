#pragma once

#include <QMessageBox>
#include <QString>

#include <functional>
#include <optional>

class QWidget;

// What a test saw of a message box.
struct SeenMessageBox {
    QString text;
    QString title;
    QMessageBox::Icon icon;
    Qt::WindowModality modality;
};

// Runs `action`, answering with OK every message box that it opens on the
// way. Returns the boxes in the order they were shown.
std::vector<SeenMessageBox> answeringMessageBoxes(const std::function<void()> &action);

// The named child of `window`; fails the test if there is none.
template <typename T>
T *child(QWidget &window, const char *name)
{
    T *widget = window.findChild<T *>(QLatin1String(name));
    if (!widget)
        qFatal("no child %s", name);
    return widget;
}
