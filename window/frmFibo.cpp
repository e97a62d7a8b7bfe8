#include "window/frmFibo.h"

#include "window/AnnouncedFrame.h"
#include "window/FormLook.h"
#include "window/FramePlacement.h"
#include "window/UntrappedErrors.h"
#include "window/WindowControls.h"
#include "ui_frmFibo.h"

#include <QEvent>
#include <QScreen>
#include <QShowEvent>

frmFibo::frmFibo(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmFibo>())
{
    ui->setupUi(this);
    controls = std::make_unique<WindowControls>(*this, *ui);
    applyFormLook(*this);

    ui->txtInput->installEventFilter(this);
    connect(ui->cmdCount, &QPushButton::clicked, this, [this] { handle([this] { cmdCount_Click(); }); });
    connect(ui->cmdClear, &QPushButton::clicked, this, [this] { handle([this] { cmdClear_Click(); }); });
    connect(ui->cmdClose, &QPushButton::clicked, this, [this] { handle([this] { cmdClose_Click(); }); });

    centreFrame({}); // no frame yet
    handle([this] { Form_Load(); });
}

frmFibo::~frmFibo() = default;

void frmFibo::handle(const std::function<void()> &handler)
{
    runHandler(controls->messages, handler);
}

void frmFibo::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    // Still unmapped: placed now, the frame appears centred at once.
    if (!event->spontaneous() && !frameCentred) {
        const QMargins frame = announcedFrameMargins(*this);
        if (!frame.isNull()) {
            frameCentred = true;
            centreFrame(frame);
        }
    }
    // Without a window manager nothing else would activate the window, and
    // the input box would not get the focus.
    if (!event->spontaneous())
        activateWindow();
}

void frmFibo::centreFrame(const QMargins &frame)
{
    const QScreen *screen = this->screen();
    if (!screen)
        return;
    const QPoint corner = centredFramePosition(screen->availableGeometry(), size().grownBy(frame));
    if (frame.isNull()) {
        // The frame's corner: an X11 window manager keeps it there and puts
        // the client area below and right of it, a move that moveEvent sees.
        move(corner);
    } else {
        // The client area, with the frame known: nothing is left for Qt or
        // the window manager to work out.
        setGeometry(QRect(corner + QPoint(frame.left(), frame.top()), size()));
    }
}

void frmFibo::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // Where the window manager did not announce its frame, it shows it only
    // once it has framed the window: centre that frame then, once; later
    // moves are the user's.
    const QRect outer = frameGeometry();
    const QRect inner = geometry();
    if (!frameCentred && outer != inner) {
        frameCentred = true;
        centreFrame(QMargins(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                             outer.bottom() - inner.bottom()));
    }
}

void frmFibo::changeEvent(QEvent *event)
{
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        handle([this] { Form_Activate(); });
}

void frmFibo::Form_Load()
{
    // The form itself sets up everything the window needs before it is shown.
}

void frmFibo::Form_Activate()
{
    controls->txtInput.setFocus();
}
