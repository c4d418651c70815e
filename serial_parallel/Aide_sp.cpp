#include "Aide_sp.h"

#include "common/HelpText.h"
#include "forms/Fonts.h"
#include "forms/ScreenRegistry.h"
#include "forms/Twips.h"

using namespace forms;

namespace {

const QColor kLightYellow(0xFF, 0xFF, 0xC0);

// What this page says between the shared blocks: the read onto the outputs.
const QString kReadBlock = QStringLiteral(
    "  Effectuer une commande de lecture pour appliquer le résultat parallèle sur les sorties.");

} // namespace

Aide_sp::Aide_sp(Services& services) : Screen(services)
{
    setWindowTitle(QStringLiteral("Série parallèle"));
    setClientArea(7245, 5235, Border::Sizable);
    placeClientAt(2415, 1440);

    QWidget* form = client();
    Command1 = new CommandButton(form, twipsRect(3390, 4710, 435, 435), QStringLiteral("OK"));
    Label2 = new Label(form, twipsRect(210, 30, 6765, 405),
                       QStringLiteral("REGISTRE A DECALAGE SERIE-PARALLELE"));
    Label2->setColours(kLightYellow, QColor(0xC0, 0x00, 0x00));
    Label2->setFont(formFont(QStringLiteral("Times New Roman"), 14.25, Weight::Bold));
    Label2->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    Label1 = new Label(form, twipsRect(210, 510, 6795, 4125));
    Label1->setColours(kLightYellow, QColor(0x00, 0x00, 0xFF));
    Label1->setFont(formFont(QStringLiteral("Arial"), 9.75));

    Command1->onClick([this] { Command1_Click(); });
    // The close box does what "OK" does.
    onCloseBox([this] { Command1_Click(); });
}

void Aide_sp::Form_Load()
{
    Label1->setCaption(help::blockA() + help::blockB() + kReadBlock + help::blockD());
}

void Aide_sp::Command1_Click()
{
    leaveFor(ScreenId::sp);
}
