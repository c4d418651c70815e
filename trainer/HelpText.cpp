// The help paragraphs shared by both trainers.

#include "trainer/HelpText.h"

namespace help {

QString registerAndFirstPulses()
{
    return QStringLiteral("  Ce registre est composé de 4 bistables (type D).") + kLineBreak
            + QStringLiteral("   Il peut être de 5 à 8 bistables.") + kLineBreak + kLineBreak
            + QStringLiteral("   Ecrire un mot de 4 bits dans la fenêtre texte.") + kLineBreak
            + QStringLiteral("   Ensuite une première impulsion de transfert (cliquer) (Horloge H) "
                             "introduit le premier bit dans la première cellule.")
            + kLineBreak
            + QStringLiteral("  Une deuxième impulsion décale à droite le premier bit dans la "
                             "deuxième cellule, tandis que le deuxième bit du mot binaire est "
                             "transféré dans la première cellule.")
            + kLineBreak + kLineBreak;
}

QString wordAfterFourthPulse()
{
    return QStringLiteral("  Après la quatrième impulsion, le mot binaire de 4 bits est "
                          "enregistré dans le registre et prêt pour son utilisation.")
            + kLineBreak + QStringLiteral(" ") + kLineBreak + QStringLiteral(" ");
}

QString resetAdvice()
{
    return QStringLiteral("  Faire une remise à zéro (RAZ) chaque fois que vous voulez recommencer");
}

} // namespace help
