// The help page of the serial-in parallel-out trainer: its text, character
// for character, and its "OK" and close box leading back to the trainer.

#include "serial_parallel/SerialParallelHelp.h"
#include "SerialParallelFixture.h"
#include "navigation/FormId.h"

using Screens = std::vector<FormId>;

class SerialParallelHelpScreen : public SerialParallelFixture
{
protected:
    SerialParallelHelp &openHelp()
    {
        chooseMenu(open().window, QStringLiteral("Aide"));
        return form<SerialParallelHelp>(FormId::SerialParallelHelp);
    }
};

const QString kHelpText = QStringLiteral(
        "  Ce registre est composé de 4 bistables (type D).\r\n"
        "   Il peut être de 5 à 8 bistables.\r\n\r\n"
        "   Ecrire un mot de 4 bits dans la fenêtre texte.\r\n"
        "   Ensuite une première impulsion de transfert (cliquer) (Horloge H) introduit le premier bit "
        "dans la première cellule.\r\n"
        "  Une deuxième impulsion décale à droite le premier bit dans la deuxième cellule, tandis que le "
        "deuxième bit du mot binaire est transféré dans la première cellule.\r\n\r\n"
        "  Après la quatrième impulsion, le mot binaire de 4 bits est enregistré dans le registre et prêt "
        "pour son utilisation.\r\n \r\n "
        "  Effectuer une commande de lecture pour appliquer le résultat parallèle sur les sorties."
        "  Faire une remise à zéro (RAZ) chaque fois que vous voulez recommencer");

TEST_F(SerialParallelHelpScreen, ShowsTheWholeTextInTenLines)
{
    SerialParallelHelp &help = openHelp();
    const QString text = named<forms::Label>(help, "helpText")->caption();
    ASSERT_EQ(text, kHelpText);
    const QStringList lines = text.split(QStringLiteral("\r\n"));
    EXPECT_EQ(lines[8], QStringLiteral(" "));
    EXPECT_TRUE(lines[9].startsWith(QStringLiteral("   Effectuer"))) << lines[9].toStdString();
    EXPECT_TRUE(lines[9].contains(QStringLiteral("sorties.  Faire")));
    EXPECT_EQ(help.windowTitle(), QStringLiteral("Série parallèle"));
    EXPECT_EQ(named<forms::Label>(help, "titleLabel")->caption(),
              QStringLiteral("REGISTRE A DECALAGE SERIE-PARALLELE"));
}

TEST_F(SerialParallelHelpScreen, OkHidesTheHelpAndShowsTheTrainerUnchanged)
{
    SerialParallelHelp &help = openHelp();
    const SerialParallelControls s = trainer();
    typeText(s.wordBox, QStringLiteral("1011"));
    click(s.clockUnlit);
    advance(200);
    const std::string running = view();
    click(button(help, "OK"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialParallelTrainer });
    EXPECT_EQ(view(), running);
    advance(200);
    EXPECT_EQ(view(), "..E..... n=1 r= [101] locked");
    // Opened again: the same one page and the same text.
    chooseMenu(s.window, QStringLiteral("Aide"));
    EXPECT_EQ(visibleForms(), (Screens{ FormId::SerialParallelTrainer, FormId::SerialParallelHelp }));
    EXPECT_EQ(named<forms::Label>(help, "helpText")->caption(), kHelpText);
}

TEST_F(SerialParallelHelpScreen, CloseBoxActsAsOk)
{
    SerialParallelHelp &help = openHelp();
    click(trainer().menuButton);
    ASSERT_EQ(visibleForms(), (Screens{ FormId::MainMenu, FormId::SerialParallelHelp }));
    help.close();
    EXPECT_EQ(visibleForms(), (Screens{ FormId::MainMenu, FormId::SerialParallelTrainer }));
    EXPECT_EQ(programEnd.ended, 0);
}
