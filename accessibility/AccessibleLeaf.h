#pragma once

#include <QAccessibleInterface>

// A read-only part of a widget with no children and no object of its own (a
// list's cell, a menu's item), made and kept by the interface of its widget.
class AccessibleLeaf : public QAccessibleInterface {
public:
    QObject *object() const override { return nullptr; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    void setText(QAccessible::Text, const QString &) override {}
};
