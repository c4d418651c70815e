// The "à suivre" card and its "OK".

#include "main_menu/ComingSoonCard.h"

#include "forms/Controls.h"
#include "forms/Palette.h"
#include "forms/Pictures.h"
#include "forms/Twips.h"
#include "navigation/FormId.h"

using namespace forms;

ComingSoonCard::ComingSoonCard(Services &services) : Form(services)
{
    setWindowTitle(QStringLiteral("à suivre"));
    setWindowIcon(icon({ QStringLiteral(":/assets/france-map-32.svg"), QStringLiteral(":/assets/france-map-16.svg") }));
    setClientArea(5010, 4110, Border::Sizable);
    placeClientAt(3585, 2295);

    // Front to back.
    auto *panel = new PictureBox(client(), twipsRect(270, 210, 4215, 3615), palette::kLightOrange);
    panel->setObjectName(QStringLiteral("panel"));
    panel->setAccessibleName(QStringLiteral("à suivre"));
    auto *card = new PictureBox(panel->inside(), twipsRect(360, 480, 3495, 2415), defaultBoxColour(),
                                Picture(QStringLiteral(":/assets/card.svg")));
    card->setObjectName(QStringLiteral("card"));
    card->setAccessibleName(QStringLiteral("Bientôt le prochain épisode"));
    auto *ok = new CommandButton(panel->inside(), twipsRect(1800, 3000, 645, 495), QStringLiteral("OK"));

    // Tab order: the panel, which holds the focus, "OK", the card.
    panel->setFocusPolicy(Qt::TabFocus);
    card->setFocusPolicy(Qt::TabFocus);
    panel->setFocus(Qt::OtherFocusReason);
    setTabOrder(panel, ok);
    setTabOrder(ok, card);

    connect(ok, &QPushButton::clicked, this, &ComingSoonCard::leaveForMainMenu);
    connect(this, &Form::closeBoxClicked, this, &ComingSoonCard::leaveForMainMenu);
}

void ComingSoonCard::leaveForMainMenu()
{
    leaveFor(FormId::MainMenu);
}
