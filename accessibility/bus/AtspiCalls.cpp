#include "accessibility/bus/AtspiCalls.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusMessage>

namespace {

const QLatin1String interfacePrefix("org.a11y.atspi.");
const QLatin1String pathPrefix("/org/a11y/atspi/accessible/");
const QLatin1String rootPath("/org/a11y/atspi/accessible/root");

struct Handled {
    const char *interface;
    const char *function;
    const char *signature;
};

// Every function of the adaptor with the arguments it reads: those of the
// method, or "ss" and "ssv" for a property read or written. Left out:
// Text.GetBoundedRanges, whose answer the adaptor cannot send (its type is
// not registered with QtDBus, and the caller waits out its time-out), and
// the properties that name a method (Get "RowColumnExtentsAtIndex" reads a
// row from the interface's name).
constexpr Handled handled[] = {
    {"Accessible", "GetName", "ss"}, {"Accessible", "GetDescription", "ss"}, {"Accessible", "GetParent", "ss"},
    {"Accessible", "GetChildCount", "ss"}, {"Accessible", "GetChildAtIndex", "i"},
    {"Accessible", "GetChildren", ""}, {"Accessible", "GetIndexInParent", ""},
    {"Accessible", "GetRelationSet", ""}, {"Accessible", "GetRole", ""}, {"Accessible", "GetRoleName", ""},
    {"Accessible", "GetLocalizedRoleName", ""}, {"Accessible", "GetState", ""},
    {"Accessible", "GetAttributes", ""}, {"Accessible", "GetApplication", ""},
    {"Accessible", "GetInterfaces", ""},

    {"Action", "GetNActions", "ss"}, {"Action", "GetDescription", "i"}, {"Action", "GetName", "i"},
    {"Action", "GetKeyBinding", "i"}, {"Action", "GetActions", ""}, {"Action", "DoAction", "i"},

    {"Application", "GetToolkitName", "ss"}, {"Application", "GetVersion", "ss"}, {"Application", "GetId", "ss"},
    {"Application", "SetId", "ssv"}, {"Application", "GetLocale", "u"},

    {"Component", "Contains", "iiu"}, {"Component", "GetAccessibleAtPoint", "iiu"},
    {"Component", "GetExtents", "u"}, {"Component", "GetPosition", "u"}, {"Component", "GetSize", ""},
    {"Component", "GetLayer", ""}, {"Component", "GetMDIZOrder", ""}, {"Component", "GrabFocus", ""},
    {"Component", "GetAlpha", ""}, {"Component", "SetExtents", "iiiiu"}, {"Component", "SetPosition", "iiu"},
    {"Component", "SetSize", "ii"},

    {"EditableText", "SetTextContents", "s"}, {"EditableText", "InsertText", "isi"},
    {"EditableText", "CopyText", "ii"}, {"EditableText", "CutText", "ii"}, {"EditableText", "DeleteText", "ii"},
    {"EditableText", "PasteText", "i"},

    {"Table", "GetNRows", "ss"}, {"Table", "GetNColumns", "ss"}, {"Table", "GetCaption", "ss"},
    {"Table", "GetSummary", "ss"}, {"Table", "GetNSelectedRows", "ss"}, {"Table", "GetNSelectedColumns", "ss"},
    {"Table", "GetAccessibleAt", "ii"}, {"Table", "GetIndexAt", "ii"}, {"Table", "GetRowAtIndex", "i"},
    {"Table", "GetColumnAtIndex", "i"}, {"Table", "GetRowDescription", "i"},
    {"Table", "GetColumnDescription", "i"}, {"Table", "GetRowExtentAt", "ii"},
    {"Table", "GetColumnExtentAt", "ii"}, {"Table", "GetRowHeader", "i"}, {"Table", "GetColumnHeader", "i"},
    {"Table", "GetSelectedRows", ""}, {"Table", "GetSelectedColumns", ""}, {"Table", "IsRowSelected", "i"},
    {"Table", "IsColumnSelected", "i"}, {"Table", "IsSelected", "ii"}, {"Table", "AddRowSelection", "i"},
    {"Table", "AddColumnSelection", "i"}, {"Table", "RemoveRowSelection", "i"},
    {"Table", "RemoveColumnSelection", "i"}, {"Table", "GetRowColumnExtentsAtIndex", "i"},

    {"Text", "GetCharacterCount", "ss"}, {"Text", "GetCaretOffset", "ss"}, {"Text", "GetText", "ii"},
    {"Text", "SetCaretOffset", "i"}, {"Text", "GetTextBeforeOffset", "iu"}, {"Text", "GetTextAtOffset", "iu"},
    {"Text", "GetTextAfterOffset", "iu"}, {"Text", "GetCharacterAtOffset", "i"},
    {"Text", "GetAttributeValue", "is"}, {"Text", "GetAttributes", "i"}, {"Text", "GetAttributeRun", "ib"},
    {"Text", "GetDefaultAttributes", ""}, {"Text", "GetDefaultAttributeSet", ""},
    {"Text", "GetCharacterExtents", "iu"}, {"Text", "GetOffsetAtPoint", "iiu"}, {"Text", "GetNSelections", ""},
    {"Text", "GetSelection", "i"}, {"Text", "AddSelection", "ii"}, {"Text", "RemoveSelection", "i"},
    {"Text", "SetSelection", "iii"}, {"Text", "GetRangeExtents", "iiu"},

    {"Value", "GetMinimumValue", "ss"}, {"Value", "GetMaximumValue", "ss"}, {"Value", "GetMinimumIncrement", "ss"},
    {"Value", "GetCurrentValue", "ss"}, {"Value", "SetCurrentValue", "ssv"},
};

} // namespace

std::optional<AtspiCall> handledAtspiCall(const QDBusMessage &message)
{
    QString interface = message.interface();
    QString function = message.member();
    if (interface == QLatin1String("org.freedesktop.DBus.Properties") && message.arguments().size() >= 2) {
        interface = message.arguments().at(0).toString();
        function += message.arguments().at(1).toString();
    }
    if (!interface.startsWith(interfacePrefix))
        return std::nullopt;
    interface.remove(0, interfacePrefix.size());
    const QString signature = message.signature();
    for (const Handled &entry : handled) {
        if (interface == QLatin1String(entry.interface) && function == QLatin1String(entry.function)
            && signature == QLatin1String(entry.signature))
            return AtspiCall{interface, function};
    }
    return std::nullopt;
}

QDBusConnection atspiBus()
{
    return QDBusConnection(QStringLiteral("a11y"));
}

QAccessibleInterface *atspiObject(const QString &path)
{
    if (path == rootPath)
        return QAccessible::queryAccessibleInterface(QCoreApplication::instance());
    bool number = false;
    const QAccessible::Id id = path.startsWith(pathPrefix) ? path.mid(pathPrefix.size()).toUInt(&number) : 0;
    return number ? QAccessible::accessibleInterface(id) : nullptr;
}

QString atspiPath(QAccessibleInterface *object)
{
    if (object->role() == QAccessible::Application)
        return rootPath;
    return pathPrefix + QString::number(QAccessible::uniqueId(object));
}
