// The serial-in parallel-out trainer as a window: its first display, where
// its menus and buttons lead, and that it comes back as it was left.

#include "SerialParallelFixture.h"
#include "main_menu/AboutBox.h"
#include "navigation/FormId.h"
#include "serial_parallel/SerialParallelHelp.h"

#include <QApplication>

using Screens = std::vector<FormId>;

class SerialParallelScreen : public SerialParallelFixture
{
};

TEST_F(SerialParallelScreen, FirstDisplayShowsEveryLampUnlitAndTheEmptyBoxFocused)
{
    const SerialParallelControls s = open();
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialParallelTrainer });
    EXPECT_EQ(s.window.windowTitle(), QStringLiteral("Registre entrée série et sortie parallèle."));
    EXPECT_EQ(s.window.client()->size(), QSize(505, 363));
    EXPECT_EQ(view(), "........ n=0 r= []");
    EXPECT_EQ(QApplication::focusWidget(), s.wordBox);
    EXPECT_FALSE(s.window.clockRunning());
    // Both pictures of every lamp are visible: the unlit one lies in front.
    EXPECT_TRUE(s.clockLit->shown());
    EXPECT_TRUE(s.output1Lit->shown());
}

TEST_F(SerialParallelScreen, InstructionsKeepTheirBlanks)
{
    const SerialParallelControls s = open();
    EXPECT_EQ(s.errorLabel->caption(),
              QStringLiteral("En cas d'erreur faire une remise à") + QString(2, QLatin1Char(' '))
                      + QStringLiteral("zéro") + QString(15, QLatin1Char(' ')) + QStringLiteral("(RAZ)"));
    EXPECT_EQ(s.pulsesLabel->caption(),
              QStringLiteral("Puis validez avec Cde - H - 4 fois.") + QString(3, QLatin1Char(' '))
                      + QStringLiteral("Ensuite faire une lecture."));
}

TEST_F(SerialParallelScreen, OnlyTheClickableLampsShowTheUpArrow)
{
    const SerialParallelControls s = open();
    for (forms::Image *clickable : { s.clockUnlit, s.resetUnlit, s.readUnlit })
        EXPECT_EQ(clickable->cursor().shape(), Qt::UpArrowCursor);
    for (QWidget *other :
         std::initializer_list<QWidget *>{ s.clockLit, s.resetLit, s.readLit, s.inputUnlit, s.inputLit, s.output1Unlit,
                                           s.output4Lit, s.readCommandPicture, s.readLabel, s.diagram })
        EXPECT_NE(other->cursor().shape(), Qt::UpArrowCursor) << other->accessibleName().toStdString();
}

TEST_F(SerialParallelScreen, ClicksOnWhatIsNotALampButtonDoNothing)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1"));
    const std::string before = view();
    for (QWidget *target :
         std::initializer_list<QWidget *>{ s.inputUnlit, s.output1Unlit, s.output4Unlit, s.readCommandPicture,
                                           s.readLabel, s.pulseCountLabel, s.enterWordLabel, s.inputLabel })
        click(target);
    advance(400);
    EXPECT_EQ(view(), before);
    EXPECT_EQ(s.word->typedCount(), 1);
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialParallelTrainer });
}

TEST_F(SerialParallelScreen, HelpOpensBesideTheTrainerAndMenuLeavesItOpen)
{
    const SerialParallelControls s = open();
    chooseMenu(s.window, QStringLiteral("Aide"));
    EXPECT_EQ(visibleForms(), (Screens{ FormId::SerialParallelTrainer, FormId::SerialParallelHelp }));
    chooseMenu(s.window, QStringLiteral("Aide"));
    EXPECT_EQ(visibleForms(), (Screens{ FormId::SerialParallelTrainer, FormId::SerialParallelHelp }));
    chooseMenu(s.window, QStringLiteral("Fichier"), QStringLiteral("Menu"));
    EXPECT_EQ(visibleForms(), (Screens{ FormId::MainMenu, FormId::SerialParallelHelp }));
    click(button(FormId::SerialParallelHelp, "OK"));
    EXPECT_EQ(visibleForms(), (Screens{ FormId::MainMenu, FormId::SerialParallelTrainer }));
}

TEST_F(SerialParallelScreen, AboutOpensBesideTheTrainerAndItsOkShowsTheSerialTrainerToo)
{
    const SerialParallelControls s = open();
    chooseMenu(s.window, QStringLiteral("à propos..."));
    EXPECT_EQ(visibleForms(), (Screens{ FormId::AboutBox, FormId::SerialParallelTrainer }));
    click(button(FormId::AboutBox, "OK"));
    EXPECT_EQ(visibleForms(), (Screens{ FormId::SerialTrainer, FormId::SerialParallelTrainer }));
}

TEST_F(SerialParallelScreen, BackFromTheMainMenuTheScreenIsAsLeftAndNotLoadedAgain)
{
    const SerialParallelControls s = open();
    shiftIn(QStringLiteral("1011"), 2);
    const std::string left = view();
    ASSERT_EQ(left, "..E..... n=2 r= [10] locked");
    for (bool byMenu : { false, true }) {
        if (byMenu)
            chooseMenu(s.window, QStringLiteral("Fichier"), QStringLiteral("Menu"));
        else
            click(s.menuButton);
        EXPECT_EQ(visibleForms(), Screens{ FormId::MainMenu });
        click(button(FormId::MainMenu, "Registre série/parallèle"));
        EXPECT_EQ(visibleForms(), Screens{ FormId::SerialParallelTrainer });
        EXPECT_EQ(view(), left);
    }
    // The word goes on where it stopped.
    pulse(2);
    readOut();
    EXPECT_EQ(view(), "..E.4.21 n=4 r=1011 [] locked");
}

TEST_F(SerialParallelScreen, QuitterButtonMenuAndCloseBoxEndTheProgram)
{
    const SerialParallelControls s = open();
    typeText(s.wordBox, QStringLiteral("1011"));
    click(s.clockUnlit); // an animation running changes nothing
    click(s.quitButton);
    EXPECT_EQ(programEnd.ended, 1);
    chooseMenu(s.window, QStringLiteral("Fichier"), QStringLiteral("Quitter"));
    EXPECT_EQ(programEnd.ended, 2);
    s.window.close();
    EXPECT_EQ(programEnd.ended, 3);
}

TEST_F(SerialParallelScreen, DiagramLiesAtTheTopLeftOfTheFrameWithItsGreyBackShowingRightAndBelow)
{
    const SerialParallelControls s = open();
    EXPECT_EQ(s.readCommandPicture->picture().size(), QSize(66, 28));
    QWidget *inside = s.diagram->inside();
    const QImage drawn = grabImage(inside);
    const QColor grey(0xE0, 0xE0, 0xE0);
    // The picture is 379 x 334: the frame's back colour shows beyond it.
    EXPECT_EQ(drawn.pixelColor(378, 2), QColor(Qt::white));
    EXPECT_EQ(drawn.pixelColor(379, 2), grey);
    EXPECT_EQ(drawn.pixelColor(100, 333), QColor(Qt::white));
    EXPECT_EQ(drawn.pixelColor(100, 334), grey);
    EXPECT_EQ(drawn.pixelColor(inside->width() - 1, inside->height() - 1), grey);
    // The register symbol in green and a flip-flop in yellow, where the
    // lamps are laid out to meet them.
    EXPECT_EQ(drawn.pixelColor(200, 80), QColor(0x00, 0xFF, 0x80));
    EXPECT_EQ(drawn.pixelColor(97, 232), QColor(0xFF, 0xFF, 0x00));
}
