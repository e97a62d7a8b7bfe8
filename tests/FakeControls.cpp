#include "tests/FakeControls.h"

#include "number/RuntimeError.h"


void FakeLog::failOn(const QString &operation, int occurrence)
{
    failing_ = operation;
    remaining_ = occurrence;
}

void FakeLog::record(const QString &operation, const QString &arguments)
{
    calls << operation + u'(' + arguments + u')';
    if (operation == failing_ && --remaining_ == 0)
        throw RuntimeError(RuntimeError::ControlFailure, operation + QStringLiteral(" failed"));
}

QString FakeTextBox::text() const
{
    log_.record(name_ + QStringLiteral(".text"));
    return value;
}

void FakeTextBox::setText(const QString &text)
{
    log_.record(name_ + QStringLiteral(".setText"), text);
    value = text;
}

void FakeList::clear()
{
    log_.record(QStringLiteral("Lv.clear"));
    rows.clear();
}

ListRow FakeList::add(int index)
{
    log_.record(QStringLiteral("Lv.add"), QString::number(index));
    rows.push_back({QString::number(index), {}, {}, rows.empty()});
    return {int(rows.size())};
}

ListRow FakeList::item(int position)
{
    log_.record(QStringLiteral("Lv.item"), QString::number(position));
    if (position < 1 || position > int(rows.size()))
        throw RuntimeError::subscriptOutOfRange();
    return {position};
}

FakeList::Row &FakeList::at(ListRow row)
{
    return rows.at(std::size_t(row.position - 1));
}

void FakeList::setSubItem(ListRow row, int subItem, const QString &text)
{
    log_.record(QStringLiteral("Lv.setSubItem"), QStringLiteral("%1,%2,%3").arg(row.position).arg(subItem).arg(text));
    (subItem == 1 ? at(row).sub1 : at(row).sub2) = text;
}

QString FakeList::subItem(ListRow row, int subItem) const
{
    log_.record(QStringLiteral("Lv.subItem"), QStringLiteral("%1,%2").arg(row.position).arg(subItem));
    const Row &r = rows.at(std::size_t(row.position - 1));
    return subItem == 1 ? r.sub1 : r.sub2;
}

void FakeList::setSelected(ListRow row, bool selected)
{
    log_.record(QStringLiteral("Lv.setSelected"), QStringLiteral("%1,%2").arg(row.position).arg(selected));
    at(row).selected = selected;
}

void FakeMessages::msgBox(const QString &text, MsgBoxStyle style, const std::optional<QString> &title)
{
    log_.record(QStringLiteral("msgBox"), text);
    shown.push_back({text, style, title.value_or(QString())});
}
