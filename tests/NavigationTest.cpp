// The main menu, the About box and the "à suivre" card: which windows each
// action leaves visible, what each window's close box does, and that windows
// come back as they were left, the keyboard focus included.

#include "main_menu/AboutBox.h"
#include "main_menu/ComingSoonCard.h"
#include "main_menu/MainMenu.h"
#include "navigation/FormId.h"
#include "serial/SerialHelp.h"
#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelTrainer.h"
#include "support/ProgramFixture.h"

#include <QApplication>
#include <QMenuBar>

#include <functional>

using Screens = std::vector<FormId>;

class Navigation : public ProgramFixture
{
};

TEST_F(Navigation, StartsOnTheMainMenuAlone)
{
    start();
    EXPECT_EQ(visibleForms(), Screens{ FormId::MainMenu });
    EXPECT_FALSE(exists(FormId::SerialTrainer));
    EXPECT_FALSE(exists(FormId::SerialParallelTrainer));
}

TEST_F(Navigation, BothUnbuiltKindsOpenTheSameCardWhoseOkLeadsBack)
{
    start();
    auto &menu = form<MainMenu>(FormId::MainMenu);
    for (const char *caption : { "Registre parallèle/parallèle", "Bouton sans titre" }) {
        click(button(menu, caption));
        EXPECT_EQ(visibleForms(), Screens{ FormId::ComingSoonCard });
        click(button(FormId::ComingSoonCard, "OK"));
        EXPECT_EQ(visibleForms(), Screens{ FormId::MainMenu });
    }
}

TEST_F(Navigation, QuitterEndsTheProgram)
{
    start();
    click(button(FormId::MainMenu, "Quitter"));
    EXPECT_EQ(programEnd.ended, 1);
}

TEST_F(Navigation, MenuQuitterEndsTheProgram)
{
    start();
    chooseMenu(form<MainMenu>(FormId::MainMenu), QStringLiteral("Fichier"), QStringLiteral("Quitter"));
    EXPECT_EQ(programEnd.ended, 1);
}

TEST_F(Navigation, AboutFromTheMainMenuLeadsToTheSerialTrainer)
{
    start();
    chooseMenu(form<MainMenu>(FormId::MainMenu), QStringLiteral("à propos"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::AboutBox });
    click(button(FormId::AboutBox, "OK"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialTrainer });
}

TEST_F(Navigation, EachCloseBoxShowsTheWindowsItLeadsToOrEndsTheProgram)
{
    start();
    auto &menu = form<MainMenu>(FormId::MainMenu);
    auto &serial = form<SerialTrainer>(FormId::SerialTrainer);
    auto &trainer = form<SerialParallelTrainer>(FormId::SerialParallelTrainer);
    struct Row
    {
        const char *name;
        FormId window;
        std::function<void()> reach; // from the main menu alone
        Screens shownAfter; // the windows shown, where the program goes on
        bool ends;
    };
    const Row rows[] = {
        { "main menu", FormId::MainMenu, [] {}, {}, true },
        { "About box",
          FormId::AboutBox,
          [&] { chooseMenu(menu, QStringLiteral("à propos")); },
          { FormId::SerialTrainer },
          false },
        { "à suivre card",
          FormId::ComingSoonCard,
          [&] { click(button(menu, "Registre parallèle/parallèle")); },
          { FormId::MainMenu },
          false },
        { "serial trainer", FormId::SerialTrainer, [&] { click(button(menu, "Registre série/série")); }, {}, true },
        { "serial help",
          FormId::SerialHelp,
          [&] {
              click(button(menu, "Registre série/série"));
              chooseMenu(serial, QStringLiteral("Aide"));
          },
          { FormId::SerialTrainer },
          false },
        { "serial-parallel trainer",
          FormId::SerialParallelTrainer,
          [&] { click(button(menu, "Registre série/parallèle")); },
          {},
          true },
        { "serial-parallel help",
          FormId::SerialParallelHelp,
          [&] {
              click(button(menu, "Registre série/parallèle"));
              chooseMenu(trainer, QStringLiteral("Aide"));
          },
          { FormId::SerialParallelTrainer },
          false },
        // No window opens it.
        { "parallel register", FormId::ParallelRegister, [&] { registry.show(FormId::ParallelRegister); }, {}, true },
    };
    for (const Row &row : rows) {
        SCOPED_TRACE(row.name);
        for (FormId id : visibleForms())
            registry.hide(id);
        start();
        row.reach();
        ASSERT_TRUE(visible(row.window));
        const int endedBefore = programEnd.ended;
        registry.form(row.window).close();
        EXPECT_EQ(programEnd.ended - endedBefore, row.ends ? 1 : 0);
        if (!row.ends) {
            EXPECT_EQ(visibleForms(), row.shownAfter);
        }
    }
}

TEST_F(Navigation, ATrainerComesBackWithTheFocusItHadHoweverItWasLeft)
{
    start();
    auto &menu = form<MainMenu>(FormId::MainMenu);
    auto &serial = form<SerialTrainer>(FormId::SerialTrainer);
    auto &trainer = form<SerialParallelTrainer>(FormId::SerialParallelTrainer);
    struct Trip
    {
        const char *name;
        forms::Form *window;
        std::function<void()> open, leave, back;
        QWidget *focus; // where the focus is left, and found again
        QWidget *toMainMenu; // the trainer's "Menu", for the next trip
    };
    const Trip trips[] = {
        { "serial trainer, Fichier > Menu", &serial, [&] { click(button(menu, "Registre série/série")); },
          [&] { chooseMenu(serial, QStringLiteral("Fichier"), QStringLiteral("Menu")); },
          [&] { click(button(menu, "Registre série/série")); }, named<forms::TextBox>(serial, "wordBox"),
          button(serial, "Menu") },
        { "serial trainer, Aide and OK", &serial, [&] { click(button(menu, "Registre série/série")); },
          [&] { chooseMenu(serial, QStringLiteral("Aide")); }, [&] { click(button(FormId::SerialHelp, "OK")); },
          named<forms::TextBox>(serial, "wordBox"), button(serial, "Menu") },
        { "serial trainer, à propos... and OK", &serial, [&] { click(button(menu, "Registre série/série")); },
          [&] { chooseMenu(serial, QStringLiteral("à propos...")); }, [&] { click(button(FormId::AboutBox, "OK")); },
          named<forms::TextBox>(serial, "wordBox"), button(serial, "Menu") },
        { "serial trainer, the Menu button", &serial, [&] { click(button(menu, "Registre série/série")); },
          [&] { click(button(serial, "Menu")); }, [&] { click(button(menu, "Registre série/série")); },
          button(serial, "Menu"), button(serial, "Menu") },
        { "serial-parallel trainer, Fichier > Menu", &trainer, [&] { click(button(menu, "Registre série/parallèle")); },
          [&] { chooseMenu(trainer, QStringLiteral("Fichier"), QStringLiteral("Menu")); },
          [&] { click(button(menu, "Registre série/parallèle")); }, named<forms::TextBox>(trainer, "wordBox"),
          button(trainer, "Menu") },
        { "serial-parallel trainer, the Menu button", &trainer,
          [&] { click(button(menu, "Registre série/parallèle")); }, [&] { click(button(trainer, "Menu")); },
          [&] { click(button(menu, "Registre série/parallèle")); }, button(trainer, "Menu"), button(trainer, "Menu") },
    };
    for (const Trip &trip : trips) {
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
