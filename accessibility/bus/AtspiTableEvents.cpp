#include "accessibility/bus/AtspiTableEvents.h"

#include "accessibility/bus/AtspiCalls.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QPointer>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

struct Change {
    QPointer<QObject> table;
    QString member; // of org.a11y.atspi.Event.Object
    int firstRow;
    int rows;
};

std::vector<Change> pending;
bool flushQueued = false;

void send(const Change &change)
{
    QDBusConnection bus = atspiBus();
    QAccessibleInterface *table = change.table ? QAccessible::queryAccessibleInterface(change.table) : nullptr;
    if (!table || !bus.isConnected())
        return;
    QDBusMessage signal =
        QDBusMessage::createSignal(atspiPath(table), QStringLiteral("org.a11y.atspi.Event.Object"), change.member);
    signal.setArguments({QString(), change.firstRow, change.rows, QVariant::fromValue(QDBusVariant(0)), QVariantMap()});
    bus.send(signal);
}

void flush()
{
    flushQueued = false;
    for (const Change &change : std::exchange(pending, {}))
        send(change);
}

} // namespace

void announceTableChange(const QAccessibleTableModelChangeEvent &event)
{
    QObject *table = event.object();
    const int rows = event.lastRow() - event.firstRow() + 1;
    switch (event.modelChangeType()) {
    case QAccessibleTableModelChangeEvent::DataChanged:
        return; // a cell's text is read when asked for
    case QAccessibleTableModelChangeEvent::RowsInserted:
        if (!pending.empty() && pending.back().table == table && pending.back().member == u"RowInserted"
            && pending.back().firstRow + pending.back().rows == event.firstRow()) {
            pending.back().rows += rows;
            return;
        }
        pending.push_back({table, QStringLiteral("RowInserted"), event.firstRow(), rows});
        break;
    case QAccessibleTableModelChangeEvent::RowsRemoved:
        pending.push_back({table, QStringLiteral("RowDeleted"), event.firstRow(), rows});
        break;
    default:
        // Whatever was pending for the table is part of the whole change.
        pending.erase(std::remove_if(pending.begin(), pending.end(),
                                     [table](const Change &change) { return change.table == table; }),
                      pending.end());
        pending.push_back({table, QStringLiteral("ModelChanged"), 0, 0});
        break;
    }
    if (!std::exchange(flushQueued, true))
        QMetaObject::invokeMethod(QCoreApplication::instance(), flush, Qt::QueuedConnection);
}
