#pragma once

#include <QWidget>

// What screen readers speak at once without the focus moving: each text is
// shown as a notification that paints nothing. Under Orca 43 with Qt 6.4,
// name changes of the focused button, of labels or of a status bar, Alert
// events and Alert widgets are not spoken; a Notification going from hidden
// to shown is, and the focus stays where it was.
class Announcement : public QWidget {
    Q_OBJECT

public:
    explicit Announcement(QWidget *parent);

    void announce(const QString &text);
};
