#include "tests/NamedControls.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTreeView>

NamedControls::NamedControls(QWidget &window)
    : txtInput(child<QLineEdit>(window, "txtInput")),
      txtOut(child<QPlainTextEdit>(window, "txtOut")),
      txtOut2(child<QPlainTextEdit>(window, "txtOut2")),
      Lv(child<QTreeView>(window, "Lv")),
      cmdCount(child<QPushButton>(window, "cmdCount")),
      cmdClear(child<QPushButton>(window, "cmdClear")),
      cmdClose(child<QPushButton>(window, "cmdClose"))
{
}
