#include "window/WindowMessageBoxes.h"

#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QLayout>
#include <QMessageBox>

void WindowMessageBoxes::msgBox(const QString &text, MsgBoxStyle style, const std::optional<QString> &title)
{
    QMessageBox box(style == MsgBoxStyle::Critical ? QMessageBox::Critical : QMessageBox::NoIcon,
                    title.value_or(QCoreApplication::applicationName()), text, QMessageBox::Ok, &parent_);
    box.setWindowModality(Qt::ApplicationModal);
    // The button row spans the box: held at the least width, it widens the box
    // and nothing else. Device-independent pixels, so it grows with the scale.
    const int leastWidth = 240;
    const QMargins margins = box.layout()->contentsMargins();
    box.findChild<QDialogButtonBox *>()->setMinimumWidth(leastWidth - margins.left() - margins.right());
    box.exec();
}
