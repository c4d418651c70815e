#pragma once
// Text operations on characters rather than UTF-16 units, so that a
// character outside the Basic Multilingual Plane counts as one and is never
// cut in half.

#include <QString>

namespace text {

// The number of characters.
int length(const QString &s);
// The first n characters (n <= 0 gives the empty text).
QString left(const QString &s, int n);
// The character at position k, from 1; the empty text past the end.
QString at(const QString &s, int k);
// The last character; the empty text for the empty text.
QString last(const QString &s);

} // namespace text
