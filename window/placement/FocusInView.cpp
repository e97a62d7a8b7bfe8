#include "window/placement/FocusInView.h"

#include <QApplication>
#include <QScrollArea>

void keepFocusInView(QScrollArea &area)
{
    QObject::connect(qApp, &QApplication::focusChanged, &area, [&area](QWidget *, QWidget *now) {
        QWidget *content = area.widget();
        if (!now || !content || !content->isAncestorOf(now))
            return;
        const QRect control(now->mapTo(content, QPoint()), now->size());
        const int margin = 8; // the frames' inset, so that their edge shows too
        area.ensureVisible(control.center().x(), control.center().y(), control.width() / 2 + margin,
                           control.height() / 2 + margin);
    });
}
