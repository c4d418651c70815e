// The serial-in parallel-out trainer as a window: its first display, where
// its menus and buttons lead, and that it comes back as it was left.

#include "Info.h"
#include "SpFixture.h"
#include "serial_parallel/Aide_sp.h"

#include <QApplication>

using Screens = std::vector<ScreenId>;

class SpScreen : public SpFixture {};

TEST_F(SpScreen, FirstDisplayShowsEveryLampUnlitAndTheEmptyBoxFocused)
{
    sp& s = openSp();
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::sp});
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Registre entrée série et sortie parallèle."));
    EXPECT_EQ(s.client()->size(), QSize(505, 363));
    EXPECT_EQ(view(), "........ n=0 r= []");
    EXPECT_EQ(QApplication::focusWidget(), s.mot);
    EXPECT_FALSE(s.Timer1.enabled());
    // Both pictures of every lamp are visible: the unlit one lies in front.
    EXPECT_TRUE(s.hr->shown());
    EXPECT_TRUE(s.s1r->shown());
}

TEST_F(SpScreen, InstructionsKeepTheirBlanks)
{
    sp& s = openSp();
    EXPECT_EQ(s.Label3->caption(),
              QStringLiteral("En cas d'erreur faire une remise à") + QString(2, QLatin1Char(' '))
                  + QStringLiteral("zéro") + QString(15, QLatin1Char(' ')) + QStringLiteral("(RAZ)"));
    EXPECT_EQ(s.Label2->caption(), QStringLiteral("Puis validez avec Cde - H - 4 fois.")
                                       + QString(3, QLatin1Char(' '))
                                       + QStringLiteral("Ensuite faire une lecture."));
}

TEST_F(SpScreen, OnlyTheClickableLampsShowTheUpArrow)
{
    sp& s = openSp();
    for (forms::Image* clickable : {s.hw, s.razw, s.lw})
        EXPECT_EQ(clickable->cursor().shape(), Qt::UpArrowCursor);
    for (QWidget* other : std::initializer_list<QWidget*>{s.hr, s.razr, s.lr, s.ew, s.er, s.s1w, s.s4r,
                                                          s.Image1, s.Label5, s.Picture1})
        EXPECT_NE(other->cursor().shape(), Qt::UpArrowCursor) << other->accessibleName().toStdString();
}

TEST_F(SpScreen, ClicksOnWhatIsNotALampButtonDoNothing)
{
    sp& s = openSp();
    typeText(s.mot, QStringLiteral("1"));
    const std::string before = view();
    for (QWidget* target : std::initializer_list<QWidget*>{s.ew, s.s1w, s.s4w, s.Image1, s.Label5, s.Label6,
                                                           s.Label1, s.Entree})
        click(target);
    advance(400);
    EXPECT_EQ(view(), before);
    EXPECT_EQ(s.word->typedCount, 1);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::sp});
}

TEST_F(SpScreen, HelpOpensBesideTheTrainerAndMenuLeavesItOpen)
{
    sp& s = openSp();
    chooseMenu(s, QStringLiteral("Aide"));
    EXPECT_EQ(visibleScreens(), (Screens{ScreenId::sp, ScreenId::Aide_sp}));
    chooseMenu(s, QStringLiteral("Aide"));
    EXPECT_EQ(visibleScreens(), (Screens{ScreenId::sp, ScreenId::Aide_sp}));
    chooseMenu(s, QStringLiteral("Fichier"), QStringLiteral("Menu"));
    EXPECT_EQ(visibleScreens(), (Screens{ScreenId::Registre, ScreenId::Aide_sp}));
    click(screen<Aide_sp>(ScreenId::Aide_sp).Command1);
    EXPECT_EQ(visibleScreens(), (Screens{ScreenId::Registre, ScreenId::sp}));
}

TEST_F(SpScreen, AboutOpensBesideTheTrainerAndItsOkShowsTheSerialTrainerToo)
{
    sp& s = openSp();
    chooseMenu(s, QStringLiteral("à propos..."));
    EXPECT_EQ(visibleScreens(), (Screens{ScreenId::Info, ScreenId::sp}));
    click(screen<Info>(ScreenId::Info).Command1);
    EXPECT_EQ(visibleScreens(), (Screens{ScreenId::Serie, ScreenId::sp}));
}

TEST_F(SpScreen, BackFromTheMainMenuTheScreenIsAsLeftAndNotLoadedAgain)
{
    sp& s = openSp();
    shiftIn(QStringLiteral("1011"), 2);
    const std::string left = view();
    ASSERT_EQ(left, "..E..... n=2 r= [10] locked");
    for (bool byMenu : {false, true}) {
        if (byMenu)
            chooseMenu(s, QStringLiteral("Fichier"), QStringLiteral("Menu"));
        else
            click(s.men);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::Registre});
        click(screen<Registre>(ScreenId::Registre).Command3);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::sp});
        EXPECT_EQ(view(), left);
    }
    // The word goes on where it stopped.
    pulse(2);
    readOut();
    EXPECT_EQ(view(), "..E.4.21 n=4 r=1011 [] locked");
}

TEST_F(SpScreen, QuitterButtonMenuAndCloseBoxEndTheProgram)
{
    sp& s = openSp();
    typeText(s.mot, QStringLiteral("1011"));
    click(s.hw); // an animation running changes nothing
    click(s.quitt);
    EXPECT_EQ(programEnd.ended, 1);
    chooseMenu(s, QStringLiteral("Fichier"), QStringLiteral("Quitter"));
    EXPECT_EQ(programEnd.ended, 2);
    s.close();
    EXPECT_EQ(programEnd.ended, 3);
}

TEST_F(SpScreen, DiagramLiesAtTheTopLeftOfTheFrameWithItsGreyBackShowingRightAndBelow)
{
    sp& s = openSp();
    EXPECT_EQ(s.Image1->picture().size(), QSize(66, 28));
    QWidget* inside = s.Picture1->inside();
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

