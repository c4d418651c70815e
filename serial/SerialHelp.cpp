// The serial trainer's help page and its own paragraph.

#include "serial/SerialHelp.h"

#include "forms/Palette.h"
#include "forms/Pictures.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"
#include "trainer/HelpText.h"

using namespace forms;

namespace {

// What the pulses after the fourth do, and the automatic reset.
QString pulsesAfterTheFourth()
{
    return QStringLiteral("  Si on continue à appliquer une impulsion de transfert, le décalage à "
                          "droite se poursuit, le premier bit à droite du registre sera remplacé "
                          "par le précédent et la première cellule de gauche sera vidée (0).")
            + help::kLineBreak + help::kLineBreak
            + QStringLiteral("Aprés la huitième impulsion, une remise à zéro est effectuée "
                             "automatiquement. ")
            + help::kLineBreak;
}

} // namespace

SerialHelp::SerialHelp(Services &services) : HelpPage(services, FormId::SerialTrainer, pulsesAfterTheFourth())
{
    setWindowTitle(QStringLiteral("Aide"));
    setWindowIcon(icon({ QStringLiteral(":/assets/france-map-32.svg"), QStringLiteral(":/assets/france-map-16.svg") }));
    setBackground(this, palette::kLightYellow);
    setBackground(client(), palette::kLightYellow);
    setClientArea(6960, 6390, Border::Sizable);
    placeClientAt(3060, 1140);

    // Front to back.
    addOkButton(twipsRect(3240, 5880, 435, 435));
    addText(twipsRect(120, 510, 6795, 5265));
    addTitle(twipsRect(960, 60, 4545, 405), QStringLiteral("REGISTRE A DECALAGE SERIE"));
}
