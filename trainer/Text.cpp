// Text operations that count characters.

#include "trainer/Text.h"

namespace text {

namespace {

// The number of UTF-16 units of the character that starts at index i.
qsizetype unitsAt(const QString &s, qsizetype i)
{
    return (s.at(i).isHighSurrogate() && i + 1 < s.size() && s.at(i + 1).isLowSurrogate()) ? 2 : 1;
}

// The UTF-16 index where character number n (from 0) starts, or s.size().
qsizetype unitIndex(const QString &s, int n)
{
    qsizetype i = 0;
    for (int c = 0; c < n && i < s.size(); ++c)
        i += unitsAt(s, i);
    return i;
}

} // namespace

int length(const QString &s)
{
    int count = 0;
    for (qsizetype i = 0; i < s.size(); i += unitsAt(s, i))
        ++count;
    return count;
}

QString left(const QString &s, int n)
{
    if (n <= 0)
        return {};
    return s.left(unitIndex(s, n));
}

QString at(const QString &s, int k)
{
    if (k < 1)
        return {};
    const qsizetype start = unitIndex(s, k - 1);
    const qsizetype end = unitIndex(s, k);
    return s.mid(start, end - start);
}

QString last(const QString &s)
{
    if (s.isEmpty())
        return {};
    const qsizetype n = s.size();
    if (n >= 2 && s.at(n - 1).isLowSurrogate() && s.at(n - 2).isHighSurrogate())
        return s.right(2);
    return s.right(1);
}

} // namespace text
