#include "WindowControls.h"

#include "ui_frmFibo.h"

WindowControls::WindowControls(QWidget &window, Ui::frmFibo &ui)
    : txtInput(*ui.txtInput),
      txtOut(*ui.txtOut),
      txtOut2(*ui.txtOut2),
      Lv(*ui.Lv),
      messages(window, Lv)
{
}
