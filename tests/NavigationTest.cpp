// The main menu, the About box and the "à suivre" card: which windows each
// action leaves visible, and that windows come back as they were left, the
// keyboard focus included.

#include "Info.h"
#include "Registre.h"
#include "Suite.h"
#include "serial/AideReg.h"
#include "serial/Serie.h"
#include "serial_parallel/sp.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QMenuBar>

#include <functional>

using Screens = std::vector<ScreenId>;

class Navigation : public ProgramFixture {};

TEST_F(Navigation, StartsOnTheMainMenuAlone)
{
    start();
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Registre});
    EXPECT_FALSE(exists(ScreenId::Serie));
    EXPECT_FALSE(exists(ScreenId::sp));
}

TEST_F(Navigation, BothUnbuiltKindsOpenTheSameCardWhoseOkLeadsBack)
{
    start();
    auto& menu = screen<Registre>(ScreenId::Registre);
    for (QWidget* button : {static_cast<QWidget*>(menu.Command2), static_cast<QWidget*>(menu.Command4)}) {
        click(button);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::Suite});
        click(screen<Suite>(ScreenId::Suite).Command1);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::Registre});
    }
}

TEST_F(Navigation, QuitterEndsTheProgram)
{
    start();
    click(screen<Registre>(ScreenId::Registre).Command5);
    EXPECT_EQ(programEnd.ended, 1);
}

TEST_F(Navigation, MenuQuitterEndsTheProgram)
{
    start();
    chooseMenu(screen<Registre>(ScreenId::Registre), QStringLiteral("Fichier"), QStringLiteral("Quitter"));
    EXPECT_EQ(programEnd.ended, 1);
}

TEST_F(Navigation, AboutFromTheMainMenuLeadsToTheSerialTrainer)
{
    start();
    chooseMenu(screen<Registre>(ScreenId::Registre), QStringLiteral("à propos"));
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Info});
    click(screen<Info>(ScreenId::Info).Command1);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});
}

TEST_F(Navigation, ATrainerComesBackWithTheFocusItHadHoweverItWasLeft)
{
    start();
    auto& menu = screen<Registre>(ScreenId::Registre);
    auto& serie = screen<Serie>(ScreenId::Serie);
    auto& trainer = screen<sp>(ScreenId::sp);
    struct Trip {
        const char* name;
        forms::Screen* window;
        std::function<void()> open, leave, back;
        QWidget* focus;      // where the focus is left, and found again
        QWidget* toMainMenu; // the trainer's "Menu", for the next trip
    };
    const Trip trips[] = {
        {"Série, Fichier > Menu", &serie, [&] { click(menu.Command1); },
         [&] { chooseMenu(serie, QStringLiteral("Fichier"), QStringLiteral("Menu")); },
         [&] { click(menu.Command1); }, serie.mot, serie.men},
        {"Série, Aide and OK", &serie, [&] { click(menu.Command1); },
         [&] { chooseMenu(serie, QStringLiteral("Aide")); },
         [&] { click(screen<AideReg>(ScreenId::AideReg).Command1); }, serie.mot, serie.men},
        {"Série, à propos... and OK", &serie, [&] { click(menu.Command1); },
         [&] { chooseMenu(serie, QStringLiteral("à propos...")); },
         [&] { click(screen<Info>(ScreenId::Info).Command1); }, serie.mot, serie.men},
        {"Série, the Menu button", &serie, [&] { click(menu.Command1); }, [&] { click(serie.men); },
         [&] { click(menu.Command1); }, serie.men, serie.men},
        {"sp, Fichier > Menu", &trainer, [&] { click(menu.Command3); },
         [&] { chooseMenu(trainer, QStringLiteral("Fichier"), QStringLiteral("Menu")); },
         [&] { click(menu.Command3); }, trainer.mot, trainer.men},
        {"sp, the Menu button", &trainer, [&] { click(menu.Command3); }, [&] { click(trainer.men); },
         [&] { click(menu.Command3); }, trainer.men, trainer.men},
    };
    for (const Trip& trip : trips) {
        SCOPED_TRACE(trip.name);
        trip.open();
        ASSERT_TRUE(trip.window->isVisible());
        trip.focus->setFocus(Qt::OtherFocusReason);
        for (int round = 1; round <= 2; ++round) {
            SCOPED_TRACE(round);
            trip.leave();
            ASSERT_FALSE(trip.window->isVisible());
            // The window system activates the hidden window again once a
            // pop-up menu has closed; after a button it may as well.
            QApplication::setActiveWindow(trip.window);
            trip.back();
            ASSERT_TRUE(trip.window->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), trip.focus);
        }
        click(trip.toMainMenu);
    }
}
