#pragma once

#include <vector>

// The terms F(0)..F(n) of one table generation. Every access is checked
// against the bounds 0..n and fails with the index error.
class TermTable {
public:
    // A negative n gives no valid bounds: the index error.
    explicit TermTable(int n);

    double &at(int index);
    double at(int index) const;

private:
    void check(int index) const;

    std::vector<double> terms_;
};
