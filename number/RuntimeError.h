#pragma once

#include <QString>

#include <stdexcept>

// The program's one error type: an error number and the plain description that
// the user is shown when a command fails.
class RuntimeError : public std::runtime_error {
public:
    enum Number : int {
        Overflow = 6,
        SubscriptOutOfRange = 9,
        ControlFailure = 1000,
    };

    RuntimeError(int number, const QString &description);

    int number() const noexcept { return number_; }
    QString description() const;

    static RuntimeError overflow();
    static RuntimeError subscriptOutOfRange();

private:
    int number_;
};
