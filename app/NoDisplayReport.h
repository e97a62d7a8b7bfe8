#pragma once

// Made around the QApplication's construction: where Qt can start no platform,
// one line naming those tried and their display and status 1 replace Qt's
// messages and abort; otherwise its messages are passed on as it goes.
class NoDisplayReport {
public:
    NoDisplayReport();
    ~NoDisplayReport();
    NoDisplayReport(const NoDisplayReport &) = delete;
    NoDisplayReport &operator=(const NoDisplayReport &) = delete;
};
