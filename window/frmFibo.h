#pragma once

#include "number/NumericSettings.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace Ui {
class frmFibo;
}
struct WindowControls;
class QKeyEvent;

// The program's one window. Its look is the Designer form frmFibo.ui; its
// behaviour is the handlers below, named after the control and the event.
class frmFibo : public QWidget {
    Q_OBJECT

public:
    explicit frmFibo(QWidget *parent = nullptr);
    ~frmFibo() override;

    // Table generation over this window's controls, in the user's numeric settings.
    void GenFibo();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void cmdCount_Click();
    void cmdClear_Click();
    void cmdClose_Click();
    void txtInput_KeyPress(int &KeyAscii);
    void txtInput_KeyUp(int &KeyCode, int &Shift);

    // Key handling of txtInput; true when the event is used up.
    bool txtInputKeyPressed(const QKeyEvent &event);
    bool typeCharacters(const QString &text);

    // Runs a handler; an error it does not trap is reported, never thrown on.
    void handle(const std::function<void()> &handler);

    // Worked out once: every key release and every Count uses them.
    const ModFibo::NumericSettings numeric;
    std::unique_ptr<Ui::frmFibo> ui;
    std::unique_ptr<WindowControls> controls;
};
