#pragma once

#include <QString>

#include <optional>

// The operations on the window's controls, so that the logic behind them runs
// on the real window and on test doubles alike. Any may throw RuntimeError,
// with no effect guaranteed.

class TextBox {
public:
    virtual ~TextBox() = default;
    virtual QString text() const = 0;
    // Raises no key event.
    virtual void setText(const QString &text) = 0;
};

// A row of the list, addressed by its position counted from 1.
struct ListRow {
    int position = 0;
};

class ListItems {
public:
    virtual ~ListItems() = default;
    // Removes every row; the column headers stay.
    virtual void clear() = 0;
    // Appends a row whose text is `index` in decimal digits.
    virtual ListRow add(int index) = 0;
    // The row at `position`; the index error when there is none.
    virtual ListRow item(int position) = 0;
    // `subItem` is 1 or 2.
    virtual void setSubItem(ListRow row, int subItem, const QString &text) = 0;
    virtual QString subItem(ListRow row, int subItem) const = 0;
    virtual void setSelected(ListRow row, bool selected) = 0;
};

enum class MsgBoxStyle : int {
    OkOnly = 0,   // OK button, no icon
    Critical = 16 // OK button and the critical-error icon
};

class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Application-modal; returns when the user closes it. Without a title the
    // box shows the application's name.
    virtual void msgBox(const QString &text, MsgBoxStyle style, const std::optional<QString> &title) = 0;
};

// The controls that table generation works on.
struct FiboControls {
    TextBox &txtInput;
    TextBox &txtOut;
    TextBox &txtOut2;
    ListItems &Lv;
    MessageBoxes &messages;
};
