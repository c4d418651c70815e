// The sentences a screen reader says after a trainer's actions.

#include "trainer/Spoken.h"

namespace spoken {

QString pulse(int number, const QString &change)
{
    return QStringLiteral("Impulsion %1 : %2").arg(number).arg(change);
}

QString lamp(const QString &name, bool lit)
{
    return name + (lit ? QStringLiteral(" allumée") : QStringLiteral(" éteinte"));
}

QString read(const QString &word, const QStringList &outputsLit)
{
    QString outputs;
    if (outputsLit.isEmpty()) {
        outputs = QStringLiteral("aucune sortie allumée");
    } else if (outputsLit.size() == 1) {
        outputs = outputsLit.front() + QStringLiteral(" allumée");
    } else {
        outputs = outputsLit.mid(0, outputsLit.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" et ")
                + outputsLit.back() + QStringLiteral(" allumées");
    }
    const QString read = word.isEmpty() ? QStringLiteral("Lecture") : QStringLiteral("Lecture ") + word;
    return read + QStringLiteral(" : ") + outputs;
}

} // namespace spoken
