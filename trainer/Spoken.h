#pragma once
// What a screen reader says after each pulse, read and reset of a trainer:
// short French sentences that tell what the eye sees change, the digits and
// the outputs in the order the eye reads them, from left to right.

#include <QString>
#include <QStringList>

namespace spoken {

// After every reset: the status line's word.
inline const QString kReset = QStringLiteral("RAZ");

// "Impulsion 4 : 1 0 1 1, sortie allumée": the pulse's number, then what it
// changed.
QString pulse(int number, const QString &change);
// "sortie allumée", "entrée éteinte".
QString lamp(const QString &name, bool lit);
// "Lecture 1011 : S4, S2 et S1 allumées": the word read, then the outputs
// lit, given from left to right; "aucune sortie allumée" when none is.
QString read(const QString &word, const QStringList &outputsLit);

} // namespace spoken
