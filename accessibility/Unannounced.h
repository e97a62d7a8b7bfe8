#pragma once

#include <QAccessible>

// While one lives, no accessibility event reaches assistive tools: for a
// change of the program's own that is no news to the user, such as the
// regrouping after a typed digit, which Orca would speak as if the user had
// deleted the whole text.
class Unannounced {
public:
    Unannounced();
    ~Unannounced();
    Unannounced(const Unannounced &) = delete;
    Unannounced &operator=(const Unannounced &) = delete;

private:
    QAccessible::UpdateHandler previous_;
};
