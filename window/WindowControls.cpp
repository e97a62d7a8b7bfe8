#include "window/WindowControls.h"

#include "window/RowsView.h"
#include "ui_frmFibo.h"

WindowControls::WindowControls(QWidget &window, Ui::frmFibo &ui)
    : messages(window),
      txtInput(*ui.txtInput),
      txtOut(*ui.txtOut),
      txtOut2(*ui.txtOut2),
      rows(showRowsIn(*ui.Lv, messages)),
      Lv(rows, *ui.Lv->selectionModel())
{
}
