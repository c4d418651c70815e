#include "Suite.h"

#include "forms/Pictures.h"
#include "forms/ScreenRegistry.h"
#include "forms/Twips.h"

#include <QApplication>

using namespace forms;

Suite::Suite(Services& services) : Screen(services)
{
    setWindowTitle(QStringLiteral("à suivre"));
    setWindowIcon(icon({QStringLiteral(":/assets/france-map-32.svg"),
                        QStringLiteral(":/assets/france-map-16.svg")}));
    setClientArea(5010, 4110, Border::Sizable);
    placeClientAt(3585, 2295);

    const QColor lightOrange(0xFF, 0xC0, 0x80);
    Picture1 = new PictureBox(client(), twipsRect(270, 210, 4215, 3615), lightOrange);
    Picture2 = new PictureBox(Picture1->inside(), twipsRect(360, 480, 3495, 2415),
                              QApplication::palette().color(QPalette::Button),
                              Picture(QStringLiteral(":/assets/card.svg")));
    Picture2->setAccessibleName(QStringLiteral("Bientôt le prochain épisode"));
    Command1 = new CommandButton(Picture1->inside(), twipsRect(1800, 3000, 645, 495),
                                 QStringLiteral("OK"));

    // Tab order by tab index: the panel, which holds the focus, "OK", the
    // card.
    Picture1->setFocusPolicy(Qt::TabFocus);
    Picture2->setFocusPolicy(Qt::TabFocus);
    Picture1->setFocus(Qt::OtherFocusReason);
    setTabOrder(Picture1, Command1);
    setTabOrder(Command1, Picture2);

    Command1->onClick([this] { Command1_Click(); });
    onCloseBox([this] { Command1_Click(); });
}

void Suite::Command1_Click()
{
    leaveFor(ScreenId::Registre);
}
