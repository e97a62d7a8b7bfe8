#pragma once

#include <QDBusConnection>
#include <QString>

#include <optional>

class QAccessibleInterface;
class QDBusMessage;

// A call on the accessibility bus as Qt 6.4's AT-SPI adaptor dispatches it:
// the interface without "org.a11y.atspi.", and the function, which for a
// property read or written through org.freedesktop.DBus.Properties is
// Get<Name> or Set<Name>.
struct AtspiCall {
    QString interface;
    QString function;
};

// The call, if the adaptor answers it and the message holds the arguments
// that it reads: it reads them without looking, and one missing crashes it.
std::optional<AtspiCall> handledAtspiCall(const QDBusMessage &message);

// Qt's bridge's own connection to the accessibility bus, by the name it gives it.
QDBusConnection atspiBus();

// The object at an object path of the adaptor, and the path of an object.
QAccessibleInterface *atspiObject(const QString &path);
QString atspiPath(QAccessibleInterface *object);
