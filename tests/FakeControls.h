#pragma once

#include "sequence/Controls.h"

#include <QString>
#include <QStringList>

#include <vector>

// Test doubles of the controls. Every call is written to a shared log as
// "object.operation(arguments)", and any one call can be made to fail.
class FakeLog {
public:
    QStringList calls;

    // The `occurrence`-th call of `operation` ("txtOut.setText", "Lv.add", ...)
    // throws RuntimeError instead of acting.
    void failOn(const QString &operation, int occurrence = 1);

    void record(const QString &operation, const QString &arguments = QString());

private:
    QString failing_;
    int remaining_ = 0;
};

class FakeTextBox : public TextBox {
public:
    FakeTextBox(FakeLog &log, QString name) : log_(log), name_(std::move(name)) {}

    QString text() const override;
    void setText(const QString &text) override;

    QString value;

private:
    FakeLog &log_;
    QString name_;
};

// The first row appended starts out selected, as some list controls do it;
// table generation has to clear that itself.
class FakeList : public ListItems {
public:
    struct Row {
        QString text, sub1, sub2;
        bool selected = false;
    };

    explicit FakeList(FakeLog &log) : log_(log) {}

    void clear() override;
    ListRow add(int index) override;
    ListRow item(int position) override;
    void setSubItem(ListRow row, int subItem, const QString &text) override;
    QString subItem(ListRow row, int subItem) const override;
    void setSelected(ListRow row, bool selected) override;

    std::vector<Row> rows;

private:
    Row &at(ListRow row);
    FakeLog &log_;
};

class FakeMessages : public MessageBoxes {
public:
    struct Shown {
        QString text;
        MsgBoxStyle style;
        QString title; // empty: none of its own
    };

    explicit FakeMessages(FakeLog &log) : log_(log) {}
    void msgBox(const QString &text, MsgBoxStyle style, const std::optional<QString> &title) override;

    std::vector<Shown> shown;

private:
    FakeLog &log_;
};

// A whole window's worth of fakes.
struct FakeWindow {
    FakeLog log;
    FakeTextBox txtInput{log, QStringLiteral("txtInput")};
    FakeTextBox txtOut{log, QStringLiteral("txtOut")};
    FakeTextBox txtOut2{log, QStringLiteral("txtOut2")};
    FakeList Lv{log};
    FakeMessages messages{log};

    FiboControls controls() { return {txtInput, txtOut, txtOut2, Lv, messages}; }
};
