// The serial-in parallel-out trainer's help page and its own paragraph.

#include "serial_parallel/SerialParallelHelp.h"

#include "forms/Twips.h"
#include "navigation/FormId.h"

using namespace forms;

namespace {

// What this page says between the shared paragraphs: the read onto the
// outputs.
const QString kReadAdvice =
        QStringLiteral("  Effectuer une commande de lecture pour appliquer le résultat parallèle sur les sorties.");

} // namespace

SerialParallelHelp::SerialParallelHelp(Services &services)
    : HelpPage(services, FormId::SerialParallelTrainer, kReadAdvice)
{
    setWindowTitle(QStringLiteral("Série parallèle"));
    setClientArea(7245, 5235, Border::Sizable);
    placeClientAt(2415, 1440);

    // Front to back.
    addOkButton(twipsRect(3390, 4710, 435, 435));
    addTitle(twipsRect(210, 30, 6765, 405), QStringLiteral("REGISTRE A DECALAGE SERIE-PARALLELE"));
    addText(twipsRect(210, 510, 6795, 4125));
}
