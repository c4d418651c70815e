// The main menu, the About box and the "à suivre" card: which windows each
// action leaves visible, what each window's close box does, and that windows
// come back as they were left, the keyboard focus included.

#include "main_menu/AboutBox.h"
#include "main_menu/ComingSoonCard.h"
#include "main_menu/MainMenu.h"
#include "navigation/ScreenId.h"
#include "serial/SerialHelp.h"
#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelTrainer.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QMenuBar>

#include <functional>

using Screens = std::vector<ScreenId>;

class Navigation : public ProgramFixture {};

TEST_F(Navigation, StartsOnTheMainMenuAlone)
{
    start();
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::MainMenu});
    EXPECT_FALSE(exists(ScreenId::SerialTrainer));
    EXPECT_FALSE(exists(ScreenId::SerialParallelTrainer));
}

TEST_F(Navigation, BothUnbuiltKindsOpenTheSameCardWhoseOkLeadsBack)
{
    start();
    auto& menu = screen<MainMenu>(ScreenId::MainMenu);
    for (QWidget* button : {static_cast<QWidget*>(menu.parallelButton), static_cast<QWidget*>(menu.blankButton)}) {
        click(button);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::ComingSoonCard});
        click(screen<ComingSoonCard>(ScreenId::ComingSoonCard).okButton);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::MainMenu});
    }
}

TEST_F(Navigation, QuitterEndsTheProgram)
{
    start();
    click(screen<MainMenu>(ScreenId::MainMenu).quitButton);
    EXPECT_EQ(programEnd.ended, 1);
}

TEST_F(Navigation, MenuQuitterEndsTheProgram)
{
    start();
    chooseMenu(screen<MainMenu>(ScreenId::MainMenu), QStringLiteral("Fichier"), QStringLiteral("Quitter"));
    EXPECT_EQ(programEnd.ended, 1);
}

TEST_F(Navigation, AboutFromTheMainMenuLeadsToTheSerialTrainer)
{
    start();
    chooseMenu(screen<MainMenu>(ScreenId::MainMenu), QStringLiteral("à propos"));
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::AboutBox});
    click(screen<AboutBox>(ScreenId::AboutBox).okButton);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::SerialTrainer});
}

TEST_F(Navigation, EachCloseBoxShowsTheWindowsItLeadsToOrEndsTheProgram)
{
    start();
    auto& menu = screen<MainMenu>(ScreenId::MainMenu);
    auto& serial = screen<SerialTrainer>(ScreenId::SerialTrainer);
    auto& trainer = screen<SerialParallelTrainer>(ScreenId::SerialParallelTrainer);
    struct Row {
        const char* name;
        ScreenId window;
        std::function<void()> reach; // from the main menu alone
        Screens shownAfter;           // the windows shown, where the program goes on
        bool ends;
    };
    const Row rows[] = {
        {"main menu", ScreenId::MainMenu, [] {}, {}, true},
        {"About box", ScreenId::AboutBox, [&] { chooseMenu(menu, QStringLiteral("à propos")); },
         {ScreenId::SerialTrainer}, false},
        {"à suivre card", ScreenId::ComingSoonCard, [&] { click(menu.parallelButton); }, {ScreenId::MainMenu}, false},
        {"serial trainer", ScreenId::SerialTrainer, [&] { click(menu.serialButton); }, {}, true},
        {"serial help", ScreenId::SerialHelp,
         [&] { click(menu.serialButton); chooseMenu(serial, QStringLiteral("Aide")); },
         {ScreenId::SerialTrainer}, false},
        {"serial-parallel trainer", ScreenId::SerialParallelTrainer, [&] { click(menu.serialParallelButton); },
         {}, true},
        {"serial-parallel help", ScreenId::SerialParallelHelp,
         [&] { click(menu.serialParallelButton); chooseMenu(trainer, QStringLiteral("Aide")); },
         {ScreenId::SerialParallelTrainer}, false},
        // No window opens it.
        {"parallel register", ScreenId::ParallelRegister, [&] { registry.show(ScreenId::ParallelRegister); }, {},
         true},
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        for (ScreenId id : visibleScreens())
            registry.hide(id);
        start();
        row.reach();
        ASSERT_TRUE(visible(row.window));
        const int endedBefore = programEnd.ended;
        registry.screen(row.window).close();
        EXPECT_EQ(programEnd.ended - endedBefore, row.ends ? 1 : 0);
        if (!row.ends) {
            EXPECT_EQ(visibleScreens(), row.shownAfter);
        }
    }
}

TEST_F(Navigation, ATrainerComesBackWithTheFocusItHadHoweverItWasLeft)
{
    start();
    auto& menu = screen<MainMenu>(ScreenId::MainMenu);
    auto& serial = screen<SerialTrainer>(ScreenId::SerialTrainer);
    auto& trainer = screen<SerialParallelTrainer>(ScreenId::SerialParallelTrainer);
    struct Trip {
        const char* name;
        forms::Screen* window;
        std::function<void()> open, leave, back;
        QWidget* focus;      // where the focus is left, and found again
        QWidget* toMainMenu; // the trainer's "Menu", for the next trip
    };
    const Trip trips[] = {
        {"serial trainer, Fichier > Menu", &serial, [&] { click(menu.serialButton); },
         [&] { chooseMenu(serial, QStringLiteral("Fichier"), QStringLiteral("Menu")); },
         [&] { click(menu.serialButton); }, serial.wordBox, serial.menuButton},
        {"serial trainer, Aide and OK", &serial, [&] { click(menu.serialButton); },
         [&] { chooseMenu(serial, QStringLiteral("Aide")); },
         [&] { click(screen<SerialHelp>(ScreenId::SerialHelp).okButton); }, serial.wordBox,
         serial.menuButton},
        {"serial trainer, à propos... and OK", &serial, [&] { click(menu.serialButton); },
         [&] { chooseMenu(serial, QStringLiteral("à propos...")); },
         [&] { click(screen<AboutBox>(ScreenId::AboutBox).okButton); }, serial.wordBox, serial.menuButton},
        {"serial trainer, the Menu button", &serial, [&] { click(menu.serialButton); },
         [&] { click(serial.menuButton); }, [&] { click(menu.serialButton); }, serial.menuButton,
         serial.menuButton},
        {"serial-parallel trainer, Fichier > Menu", &trainer, [&] { click(menu.serialParallelButton); },
         [&] { chooseMenu(trainer, QStringLiteral("Fichier"), QStringLiteral("Menu")); },
         [&] { click(menu.serialParallelButton); }, trainer.wordBox, trainer.menuButton},
        {"serial-parallel trainer, the Menu button", &trainer, [&] { click(menu.serialParallelButton); },
         [&] { click(trainer.menuButton); }, [&] { click(menu.serialParallelButton); }, trainer.menuButton,
         trainer.menuButton},
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
