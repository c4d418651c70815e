// The serial trainer's help page: its text to the character, written once,
// and its "OK" and close box leading back to the trainer as it was left.

#include "SerieFixture.h"

#include "serial/AideReg.h"

namespace {

using Screens = std::vector<ScreenId>;

// The text as it stands on the page, typed out line by line.
const QString kHelpText = QString::fromUtf8(
    "  Ce registre est composé de 4 bistables (type D).\r\n"
    "   Il peut être de 5 à 8 bistables.\r\n"
    "\r\n"
    "   Ecrire un mot de 4 bits dans la fenêtre texte.\r\n"
    "   Ensuite une première impulsion de transfert (cliquer) (Horloge H) introduit le premier "
    "bit dans la première cellule.\r\n"
    "  Une deuxième impulsion décale à droite le premier bit dans la deuxième cellule, tandis que "
    "le deuxième bit du mot binaire est transféré dans la première cellule.\r\n"
    "\r\n"
    "  Après la quatrième impulsion, le mot binaire de 4 bits est enregistré dans le registre et "
    "prêt pour son utilisation.\r\n"
    " \r\n"
    "   Si on continue à appliquer une impulsion de transfert, le décalage à droite se poursuit, "
    "le premier bit à droite du registre sera remplacé par le précédent et la première cellule "
    "de gauche sera vidée (0).\r\n"
    "\r\n"
    "Aprés la huitième impulsion, une remise à zéro est effectuée automatiquement. \r\n"
    "  Faire une remise à zéro (RAZ) chaque fois que vous voulez recommencer");

class AideRegScreen : public SerieFixture {
protected:
    AideReg& openHelp()
    {
        chooseMenu(open(), QStringLiteral("Aide"));
        return screen<AideReg>(ScreenId::AideReg);
    }
};

TEST_F(AideRegScreen, ShowsTheTitleAndTheWholeTextOnThirteenLines)
{
    AideReg& help = openHelp();
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::AideReg});
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Aide"));
    EXPECT_EQ(help.Label2->caption(), QStringLiteral("REGISTRE A DECALAGE SERIE"));

    const QString text = help.Label1->caption();
    EXPECT_EQ(text, kHelpText);
    EXPECT_EQ(text.size(), 915);
    EXPECT_EQ(text.count(QStringLiteral("\r\n")), 12);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 13);
    EXPECT_TRUE(lines[9].startsWith(QStringLiteral("   Si on continue"))) << "three blanks";
    EXPECT_TRUE(lines[11].endsWith(QStringLiteral("automatiquement. ")));
    EXPECT_EQ(lines[12].right(11), QStringLiteral("recommencer"));
}

TEST_F(AideRegScreen, OkAndTheCloseBoxLeadBackToTheTrainerAsLeft)
{
    AideReg& help = openHelp();
    Serie& s = serie();
    click(help.Command1);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});

    type(QStringLiteral("10"));
    click(s.hw);
    const std::string left = look();
    chooseMenu(s, QStringLiteral("Aide"));
    help.close();
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});
    EXPECT_EQ(look(), left);
    EXPECT_EQ(programEnd.ended, 0);
}

TEST_F(AideRegScreen, TheTextIsWrittenOnceAtTheFirstDisplay)
{
    AideReg& help = openHelp();
    EXPECT_EQ(help.focusWidget(), help.Command1);
    // Were the load to run again, it would write the text over this one.
    help.Label1->setCaption(QStringLiteral("marque"));
    click(help.Command1);
    chooseMenu(serie(), QStringLiteral("Aide"));
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::AideReg});
    EXPECT_EQ(help.Label1->caption(), QStringLiteral("marque"));
}

} // namespace
