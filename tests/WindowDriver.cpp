#include "tests/WindowDriver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTimer>

std::vector<SeenMessageBox> answeringMessageBoxes(const std::function<void()> &action)
{
    std::vector<SeenMessageBox> seen;
    QTimer watcher;
    watcher.setInterval(5);
    QObject::connect(&watcher, &QTimer::timeout, [&seen] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box || !box->isVisible())
            return;
        seen.push_back({box->text(), box->windowTitle(), box->icon(), box->windowModality()});
        box->button(QMessageBox::Ok)->click();
    });
    watcher.start();
    action();
    return seen;
}
