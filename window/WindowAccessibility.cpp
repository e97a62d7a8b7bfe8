#include "WindowAccessibility.h"

#include <QAccessibleWidget>
#include <QWidget>

namespace {

QAccessibleInterface *frameForTopLevel(const QString &className, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (className == QLatin1String("frmFibo") && widget && widget->isWindow())
        return new QAccessibleWidget(widget, QAccessible::Window);
    return nullptr;
}

} // namespace

void presentWindowsAsFrames()
{
    static const bool installed = [] {
        QAccessible::installFactory(frameForTopLevel);
        return true;
    }();
    (void)installed;
}
