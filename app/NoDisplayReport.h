#pragma once

// While one lives, Qt's messages are held back. Should Qt find no platform it
// can start (no display, a dead one, a platform that is not installed), the
// held messages and Qt's abort give way to one line on standard error naming
// the platforms tried and their display, and the program ends with status 1.
// Once it goes, the held messages are passed on as Qt would have shown them.
// Made around the QApplication's construction only.
class NoDisplayReport {
public:
    NoDisplayReport();
    ~NoDisplayReport();
    NoDisplayReport(const NoDisplayReport &) = delete;
    NoDisplayReport &operator=(const NoDisplayReport &) = delete;
};
