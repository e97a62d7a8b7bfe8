#include "number/RuntimeError.h"

RuntimeError::RuntimeError(int number, const QString &description)
    : std::runtime_error(description.toStdString()), number_(number)
{
}

QString RuntimeError::description() const
{
    return QString::fromStdString(what());
}

RuntimeError RuntimeError::overflow()
{
    return RuntimeError(Overflow, QStringLiteral("Overflow"));
}

RuntimeError RuntimeError::subscriptOutOfRange()
{
    return RuntimeError(SubscriptOutOfRange, QStringLiteral("Subscript out of range"));
}
