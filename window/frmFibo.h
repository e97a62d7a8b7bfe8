#pragma once

#include <QWidget>

#include <memory>

namespace Ui {
class frmFibo;
}
struct WindowControls;

// The program's one window. Its look is the Designer form frmFibo.ui; its
// behaviour is the handlers below, named after the control and the event.
class frmFibo : public QWidget {
    Q_OBJECT

public:
    explicit frmFibo(QWidget *parent = nullptr);
    ~frmFibo() override;

    // Table generation over this window's controls, in the system's locale.
    void GenFibo();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    void Form_Load();
    void Form_Activate();
    void cmdCount_Click();
    void cmdClear_Click();
    void cmdClose_Click();

    template <typename Handler>
    void handle(Handler &&handler);

    std::unique_ptr<Ui::frmFibo> ui;
    std::unique_ptr<WindowControls> controls;
};
