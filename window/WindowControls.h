#pragma once

#include "sequence/Controls.h"
#include "window/ListModelItems.h"
#include "window/TextBoxes.h"
#include "window/WindowMessageBoxes.h"

namespace Ui {
class frmFibo;
}
class ListRowsModel;
class QWidget;

// The control operations of the window's text boxes, list and message boxes.
struct WindowControls {
    WindowControls(QWidget &window, Ui::frmFibo &ui);

    WindowMessageBoxes messages;
    InputBox txtInput;
    ResultBox txtOut;
    ResultBox txtOut2;
    ListRowsModel &rows; // shown by the list, which owns it
    ListModelItems Lv;

    FiboControls fibo() { return {txtInput, txtOut, txtOut2, Lv, messages}; }
};
