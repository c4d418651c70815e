#pragma once
// The blocks that open and close both trainers' help texts: the register and
// the first pulses (A), the word held after the fourth pulse (B) and the
// reset (D). Each help screen puts its own block between B and D. Line
// breaks are CR LF and lie inside the blocks.

#include <QString>

namespace help {

inline const QString kLineBreak = QStringLiteral("\r\n");

QString blockA();
QString blockB();
QString blockD();

} // namespace help
