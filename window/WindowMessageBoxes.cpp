#include "WindowMessageBoxes.h"

#include "AppInfo.h"
#include "TreeListItems.h"

#include <QMessageBox>

void WindowMessageBoxes::msgBox(const QString &text, MsgBoxStyle style, const std::optional<QString> &title)
{
    list_.flush();
    QMessageBox box(style == MsgBoxStyle::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    title.value_or(QString::fromUtf16(ApplicationTitle)), text, QMessageBox::Ok, &parent_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
