#include "frmFibo.h"

#include "FormLook.h"
#include "FramePlacement.h"
#include "UntrappedErrors.h"
#include "WindowAccessibility.h"
#include "WindowControls.h"
#include "ui_frmFibo.h"

#include <QEvent>
#include <QScreen>
#include <QShowEvent>

frmFibo::frmFibo(QWidget *parent)
    : QWidget(parent), ui(std::make_unique<Ui::frmFibo>())
{
    mapFormFonts();
    installAccessibleInterfaces();
    ui->setupUi(this);
    applyFormLook(*this);
    controls = std::make_unique<WindowControls>(*this, *ui);

    ui->txtInput->installEventFilter(this);
    connect(ui->cmdCount, &QPushButton::clicked, this, [this] { handle([this] { cmdCount_Click(); }); });
    connect(ui->cmdClear, &QPushButton::clicked, this, [this] { handle([this] { cmdClear_Click(); }); });
    connect(ui->cmdClose, &QPushButton::clicked, this, [this] { handle([this] { cmdClose_Click(); }); });

    centreFrame();
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
    // Without a window manager nothing else would activate the window, and
    // the input box would not get the focus.
    if (!event->spontaneous())
        activateWindow();
}

void frmFibo::centreFrame()
{
    // Before the window manager has framed the window, its frame is the
    // window itself.
    if (const QScreen *screen = this->screen())
        move(centredFramePosition(screen->availableGeometry(), frameGeometry().size()));
}

void frmFibo::moveEvent(QMoveEvent *event)
{
    QWidget::moveEvent(event);
    // The window manager tells the size of its frame only once it has framed
    // the window: centre that frame, once; later moves are the user's.
    if (!frameCentred && frameGeometry() != geometry()) {
        frameCentred = true;
        centreFrame();
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
