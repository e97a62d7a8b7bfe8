#pragma once

#include "Controls.h"
#include "TextBoxes.h"
#include "TreeListItems.h"
#include "WindowMessageBoxes.h"

namespace Ui {
class frmFibo;
}
class QWidget;

// The control operations of the window's text boxes, list and message boxes.
struct WindowControls {
    WindowControls(QWidget &window, Ui::frmFibo &ui);

    InputBox txtInput;
    ResultBox txtOut;
    ResultBox txtOut2;
    TreeListItems Lv;
    WindowMessageBoxes messages;

    FiboControls fibo() { return {txtInput, txtOut, txtOut2, Lv, messages}; }
};
