#include "window/frmFibo.h"

#include "sequence/UntrappedErrors.h"
#include "window/keys/ContextMenuKey.h"
#include "window/FormLook.h"
#include "window/UserNumericSettings.h"
#include "window/WindowControls.h"
#include "window/placement/FocusInView.h"
#include "window/placement/WindowPlacement.h"
#include "ui_frmFibo.h"

#include <QEvent>
#include <QShowEvent>

frmFibo::frmFibo(QWidget *parent)
    : QWidget(parent), numeric(userNumericSettings()), ui(std::make_unique<Ui::frmFibo>())
{
    ui->setupUi(this);
    controls = std::make_unique<WindowControls>(*this, *ui);
    applyFormLook(*this);
    addContextMenuKey(*this);

    ui->txtInput->installEventFilter(this);
    connect(ui->cmdCount, &QPushButton::clicked, this, [this] { handle([this] { cmdCount_Click(); }); });
    connect(ui->cmdClear, &QPushButton::clicked, this, [this] { handle([this] { cmdClear_Click(); }); });
    connect(ui->cmdClose, &QPushButton::clicked, this, [this] { handle([this] { cmdClose_Click(); }); });
    // "&Count" and "&Clear" share their access key, which would only move the
    // focus between them: Alt+C presses Count, the window's main action. Clear
    // keeps its underlined C and is reached by Tab.
    ui->cmdClear->setShortcut(QKeySequence());

    // Where the screen is too small for the whole form, the strip of buttons
    // stays along the bottom and the rest scrolls.
    keepFocusInView(*ui->scrForm);
    new WindowPlacement(*this); // owned by the window
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
