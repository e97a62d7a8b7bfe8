#include "accessibility/Announcement.h"

Announcement::Announcement(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setGeometry(0, 0, 0, 0);
    hide();
}

void Announcement::announce(const QString &text)
{
    // Only the step from hidden to shown is spoken, so a repeated text is heard again.
    hide();
    setAccessibleName(text);
    show();
}
