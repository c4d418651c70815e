// The "à suivre" card and its "OK".

#include "main_menu/ComingSoonCard.h"

#include "forms/Pictures.h"
#include "forms/FormRegistry.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"

#include <QApplication>

using namespace forms;

ComingSoonCard::ComingSoonCard(Services& services) : Form(services)
{
    setWindowTitle(QStringLiteral("à suivre"));
    setWindowIcon(icon({QStringLiteral(":/assets/france-map-32.svg"),
                        QStringLiteral(":/assets/france-map-16.svg")}));
    setClientArea(5010, 4110, Border::Sizable);
    placeClientAt(3585, 2295);

    const QColor lightOrange(0xFF, 0xC0, 0x80);
    panel = new PictureBox(client(), twipsRect(270, 210, 4215, 3615), lightOrange);
    card = new PictureBox(panel->inside(), twipsRect(360, 480, 3495, 2415),
                          QApplication::palette().color(QPalette::Button),
                          Picture(QStringLiteral(":/assets/card.svg")));
    card->setAccessibleName(QStringLiteral("Bientôt le prochain épisode"));
    okButton = new CommandButton(panel->inside(), twipsRect(1800, 3000, 645, 495), QStringLiteral("OK"));

    // Tab order: the panel, which holds the focus, "OK", the card.
    panel->setAccessibleName(QStringLiteral("à suivre"));
    panel->setFocusPolicy(Qt::TabFocus);
    card->setFocusPolicy(Qt::TabFocus);
    panel->setFocus(Qt::OtherFocusReason);
    setTabOrder(panel, okButton);
    setTabOrder(okButton, card);

    okButton->onClick([this] { onOkClicked(); });
    onCloseBox([this] { onOkClicked(); });
}

void ComingSoonCard::onOkClicked()
{
    leaveFor(FormId::MainMenu);
}
