#include "accessibility/AccessibleInterfaces.h"

#include "accessibility/Announcement.h"
#include "accessibility/ContextMenuAccessible.h"
#include "accessibility/ContextMenus.h"
#include "accessibility/ListTableAccessible.h"
#include "accessibility/TextBoxAccessible.h"

#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTreeView>

namespace {

QAccessibleInterface *corvaneInterface(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget)
        return nullptr;
    if (className == QLatin1String("frmFibo") && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    if (className == QLatin1String("Announcement") && qobject_cast<Announcement *>(widget))
        return new QAccessibleWidget(widget, QAccessible::Notification);
    if (auto *menu = qobject_cast<QMenu *>(widget); className == QLatin1String("QMenu") && menu && contextMenuOwner(*menu))
        return new ContextMenuAccessible(menu);
    // A box that hides what is typed is left to Qt, which hides it from
    // assistive tools too.
    const auto *lineEdit = qobject_cast<QLineEdit *>(widget);
    if ((className == QLatin1String("QLineEdit") && lineEdit && lineEdit->echoMode() == QLineEdit::Normal)
        || (className == QLatin1String("QPlainTextEdit") && qobject_cast<QPlainTextEdit *>(widget)))
        return new TextBoxAccessible(widget);
    // The program's tree views show lists without branches. (Whether one has
    // branches cannot be told here: the interface may be asked for while the
    // form is still setting the view up.)
    if (auto *treeView = qobject_cast<QTreeView *>(widget); className == QLatin1String("QTreeView") && treeView)
        return new ListTableAccessible(treeView);
    return nullptr;
}

} // namespace

void installAccessibleInterfaces()
{
    QAccessible::installFactory(corvaneInterface);
}
