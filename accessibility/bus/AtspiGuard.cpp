#include "accessibility/bus/AtspiGuard.h"

#include "accessibility/bus/AtspiCalls.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QPointer>

#include <algorithm>

namespace {

const QLatin1String adaptorPath("/org/a11y/atspi/accessible");

bool refuse(const QDBusMessage &message, const QDBusConnection &connection, QDBusError::ErrorType error,
            const QString &why)
{
    connection.send(message.createErrorReply(error, why));
    return true;
}

// Whether the object offers the interface, as the adaptor lists them when
// asked; it dispatches a call without asking (a Table call on a cell reads
// a table that is not there, an edit of a read-only box edits a copy).
bool offers(QAccessibleInterface &object, const QString &interface)
{
    if (interface == u"Text")
        return object.textInterface();
    if (interface == u"EditableText")
        return object.editableTextInterface() && object.textInterface();
    if (interface == u"Table")
        return object.tableInterface();
    if (interface == u"Value")
        return object.valueInterface();
    if (interface == u"Application")
        return object.role() == QAccessible::Application;
    return true;
}

bool isCell(QAccessibleTableInterface &table, int row, int column)
{
    QAccessibleInterface *cell = table.cellAt(row, column);
    return cell && cell->tableCellInterface();
}

// The answer of GetRowColumnExtentsAtIndex for the table's child at an
// index. The adaptor works the cell out as if no header cells came first
// among the children, unlike its own GetRowAtIndex and Qt's tables.
QVariantList cellAtIndex(QAccessibleInterface &table, int index)
{
    QAccessibleInterface *child = index >= 0 && index < table.childCount() ? table.child(index) : nullptr;
    QAccessibleTableCellInterface *cell = child ? child->tableCellInterface() : nullptr;
    if (!cell)
        return {false, -1, -1, -1, -1, false};
    return {true, cell->rowIndex(), cell->columnIndex(), cell->rowExtent(), cell->columnExtent(), cell->isSelected()};
}

class AtspiGuard : public QDBusVirtualObject {
public:
    explicit AtspiGuard(QDBusVirtualObject *adaptor) : QDBusVirtualObject(adaptor), adaptor_(adaptor) {}

    QString introspect(const QString &path) const override
    {
        return adaptor_ ? adaptor_->introspect(path) : QString();
    }
    bool handleMessage(const QDBusMessage &message, const QDBusConnection &connection) override;

private:
    bool answer(QAccessibleInterface &object, const AtspiCall &call, const QDBusMessage &message,
                const QDBusConnection &connection);

    QPointer<QDBusVirtualObject> adaptor_;
};

void installGuard()
{
    QDBusConnection bus = atspiBus();
    auto *adaptor = qobject_cast<QDBusVirtualObject *>(bus.objectRegisteredAt(adaptorPath));
    if (!adaptor || dynamic_cast<AtspiGuard *>(adaptor))
        return;
    bus.unregisterObject(adaptorPath);
    bus.registerVirtualObject(adaptorPath, new AtspiGuard(adaptor), QDBusConnection::SubPath);
}

// The bridge registers its adaptor right after it turns accessibility on.
class GuardOnActivation : public QAccessible::ActivationObserver {
public:
    void accessibilityActiveChanged(bool active) override
    {
        if (active)
            QMetaObject::invokeMethod(QCoreApplication::instance(), installGuard, Qt::QueuedConnection);
    }
};

} // namespace

bool AtspiGuard::handleMessage(const QDBusMessage &message, const QDBusConnection &connection)
{
    // Anything else, and an object that is gone, the adaptor does not answer either.
    const QString interface = message.interface();
    QAccessibleInterface *object = atspiObject(message.path());
    if (!adaptor_ || !object || !object->isValid()
        || !(interface.startsWith(u"org.a11y.atspi.") || interface == u"org.freedesktop.DBus.Properties"))
        return false;
    const std::optional<AtspiCall> call = handledAtspiCall(message);
    if (!call || !offers(*object, call->interface))
        return refuse(message, connection, QDBusError::UnknownMethod,
                      QStringLiteral("%1.%2(%3) is not answered here").arg(interface, message.member(),
                                                                          message.signature()));
    return answer(*object, *call, message, connection);
}

bool AtspiGuard::answer(QAccessibleInterface &object, const AtspiCall &call, const QDBusMessage &message,
                        const QDBusConnection &connection)
{
    QList<QVariant> arguments = message.arguments();
    const QString &function = call.function;
    if (function == u"GetChildAtIndex" && arguments.at(0).toInt() >= object.childCount())
        return refuse(message, connection, QDBusError::InvalidArgs, QStringLiteral("No child at that index"));
    if (function == u"GetRowColumnExtentsAtIndex")
        return connection.send(message.createReply(cellAtIndex(object, arguments.at(0).toInt())));
    if ((function == u"IsSelected" || function == u"GetRowExtentAt" || function == u"GetColumnExtentAt")
        && !isCell(*object.tableInterface(), arguments.at(0).toInt(), arguments.at(1).toInt()))
        return refuse(message, connection, QDBusError::InvalidArgs, QStringLiteral("No cell there"));
    // The adaptor asks for the rectangle of every offset of the range, and
    // pads an inserted text to the length given.
    if (function == u"GetRangeExtents") {
        const int length = object.textInterface()->characterCount();
        arguments[0] = std::clamp(arguments.at(0).toInt(), 0, length);
        if (arguments.at(1).toInt() != -1)
            arguments[1] = std::clamp(arguments.at(1).toInt(), 0, length);
    } else if (function == u"InsertText") {
        arguments[2] = std::clamp(arguments.at(2).toInt(), 0, int(arguments.at(1).toString().size()));
    }
    QDBusMessage passed = message;
    passed.setArguments(arguments);
    const bool handled = adaptor_->handleMessage(passed, connection);
    // The adaptor takes the new id without an answer.
    if (function == u"SetId")
        connection.send(message.createReply());
    return handled;
}

void guardAtspiAdaptor()
{
    static GuardOnActivation observer;
    QAccessible::installActivationObserver(&observer);
    if (QAccessible::isActive())
        observer.accessibilityActiveChanged(true);
}
