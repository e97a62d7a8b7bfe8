#include "app/NoDisplayReport.h"

#include <QRegularExpression>
#include <QString>
#include <QStringList>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

std::vector<HeldMessage> held;
QtMessageHandler passOn = nullptr;

// The display the platform would open, from the variable it reads.
QString displayOf(const QString &platform)
{
    const char *variable = platform == u"xcb"                ? "DISPLAY"
                           : platform.startsWith(u"wayland") ? "WAYLAND_DISPLAY"
                                                             : nullptr;
    if (!variable)
        return QString();
    const QString value = qEnvironmentVariable(variable);
    return QStringLiteral(" (%1%2)")
        .arg(QLatin1String(variable), value.isEmpty() ? QStringLiteral(" not set") : u'=' + value);
}

// Qt names each platform it tried in a message of its own before giving up.
QStringList platformsTried()
{
    static const QRegularExpression tried(QStringLiteral("^Could not (load|find) the Qt platform plugin \"([^\"]*)\""));
    QStringList platforms;
    for (const HeldMessage &message : held) {
        const QRegularExpressionMatch match = tried.match(message.text);
        if (match.hasMatch()) {
            const QString name = match.captured(2);
            platforms << name + (match.captured(1) == u"find" ? QStringLiteral(" (not installed)") : displayOf(name));
        }
    }
    return platforms;
}

void passHeldMessages()
{
    for (const HeldMessage &message : held) {
        const QMessageLogContext context(message.file.constData(), message.line, message.function.constData(),
                                         message.category.constData());
        passOn(message.type, context, message.text);
    }
    held.clear();
}

void holdMessage(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type != QtFatalMsg) {
        held.push_back({type, context.file, context.line, context.function, context.category, text});
        return;
    }
    const QStringList platforms = platformsTried();
    // Any other fatal error is Qt's to tell, and ends the program as Qt ends it.
    if (platforms.isEmpty()) {
        passHeldMessages();
        passOn(type, context, text);
        return;
    }
    const QString line =
        QStringLiteral("corvane: no display could be opened with the Qt platform %1\n").arg(platforms.join(u" or "));
    std::fputs(line.toLocal8Bit().constData(), stderr);
    // Nothing is made yet that needs tearing down, and the half-made
    // application must not be: the end comes without unwinding.
    std::_Exit(1);
}

} // namespace

NoDisplayReport::NoDisplayReport()
{
    passOn = qInstallMessageHandler(holdMessage);
}

NoDisplayReport::~NoDisplayReport()
{
    qInstallMessageHandler(passOn);
    passHeldMessages();
}
