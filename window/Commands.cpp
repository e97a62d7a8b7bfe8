// The window's commands: Count, Clear and Close.
#include "window/frmFibo.h"

#include "accessibility/Announcement.h"
#include "sequence/GenFibo.h"
#include "window/WindowControls.h"

#include <QCoreApplication>

void frmFibo::GenFibo()
{
    ::GenFibo(controls->fibo(), numeric);
}

void frmFibo::cmdCount_Click()
{
    GenFibo();
    // Heard where the focus is; a refusal or an error has spoken through its
    // message box and left the result box empty.
    const QString result = controls->txtOut.text();
    if (!result.isEmpty())
        controls->announcement.announce(QStringLiteral("F(%1) = %2").arg(controls->Lv.count() - 1).arg(result));
}

void frmFibo::cmdClear_Click()
{
    controls->txtInput.setText(QString());
    controls->txtOut.setText(QString());
    controls->txtOut2.setText(QString());
    controls->Lv.clear();
    controls->txtInput.setFocus();
}

void frmFibo::cmdClose_Click()
{
    // Leaves the event loop before any further event is handled.
    QCoreApplication::exit(0);
}
