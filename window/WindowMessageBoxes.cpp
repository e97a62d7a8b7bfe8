#include "window/WindowMessageBoxes.h"

#include <QCoreApplication>
#include <QMessageBox>

void WindowMessageBoxes::msgBox(const QString &text, MsgBoxStyle style, const std::optional<QString> &title)
{
    QMessageBox box(style == MsgBoxStyle::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    title.value_or(QCoreApplication::applicationName()), text, QMessageBox::Ok, &parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
