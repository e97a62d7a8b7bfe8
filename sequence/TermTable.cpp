#include "sequence/TermTable.h"

#include "number/RuntimeError.h"

TermTable::TermTable(int n)
{
    if (n < 0)
        throw RuntimeError::subscriptOutOfRange();
    terms_.resize(std::size_t(n) + 1);
}

void TermTable::check(int index) const
{
    if (index < 0 || std::size_t(index) >= terms_.size())
        throw RuntimeError::subscriptOutOfRange();
}

double &TermTable::at(int index)
{
    check(index);
    return terms_[std::size_t(index)];
}

double TermTable::at(int index) const
{
    check(index);
    return terms_[std::size_t(index)];
}
