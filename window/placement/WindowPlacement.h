#pragma once

#include <QMargins>
#include <QObject>
#include <QSize>
#include <QTimer>

class QScreen;
class QWidget;

// Centres a top-level window on its screen's free area, frame included, and
// keeps it whole there: its full size (its maximum size when this is made)
// where that fits, as large as fits and smaller at the user's wish otherwise.
class WindowPlacement : public QObject {
public:
    // Places `window` (its client area, for now) and watches it; owned by it.
    explicit WindowPlacement(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void shown();
    void framed();
    void place(const QMargins &frame);
    void refit();
    void keepInside();
    void fit();
    void moveFrameTo(const QPoint &corner);
    void maximise();
    void screenChanged(QScreen *screen);
    void watchArea(QScreen *screen);
    void stateReported();

    QWidget &window_;
    const QSize full_;
    QMargins frame_;
    // The frame as Qt last reported it, which tells when it changes.
    QMargins reportedFrame_;
    bool placed_ = false;
    bool whole_ = true;
    QTimer keepInsideTimer_;
    QMetaObject::Connection areaWatch_;
};
