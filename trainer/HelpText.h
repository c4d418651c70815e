#pragma once
// The paragraphs that open and close both trainers' help texts: the register
// and its first pulses, the word held after the fourth pulse, and the advice
// on the reset, which ends the text. Each help page puts its own paragraph
// between the second and the last. Line breaks are CR LF and lie inside the
// paragraphs; the second ends in a blank, so the next goes on in its line.

#include <QString>

namespace help {

inline const QString kLineBreak = QStringLiteral("\r\n");

QString registerAndFirstPulses();
QString wordAfterFourthPulse();
QString resetAdvice();

} // namespace help
