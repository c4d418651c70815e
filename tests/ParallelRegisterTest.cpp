// The parallel register window: shown straight from the registry, since no
// window opens it. Every lamp looks lit, nothing on it answers a click but
// its two buttons, and its timers never tick.

#include "parallel/ParallelRegister.h"
#include "forms/Controls.h"
#include "main_menu/MainMenu.h"
#include "navigation/FormId.h"
#include "support/ProgramFixture.h"

#include <QMenuBar>

#include <string>

using Screens = std::vector<FormId>;

namespace {

// The lamps by the names of their pictures, "<lamp>Lit" and "<lamp>Unlit",
// with their places inside the diagram, in pixels.
const struct
{
    const char *lamp;
    QPoint place;
} kLamps[] = {
    { "e4", { 60, 176 } },    { "e3", { 128, 176 } },     { "e2", { 200, 176 } }, { "e1", { 268, 176 } },
    { "s4", { 122, 284 } },   { "s3", { 190, 284 } },     { "s2", { 260, 284 } }, { "s1", { 330, 284 } },
    { "reset", { 40, 250 } }, { "command", { 40, 266 } },
};

forms::Image *picture(const QWidget &window, const char *lamp, const char *state)
{
    return named<forms::Image>(window, (std::string(lamp) + state).c_str());
}

} // namespace

class ParallelRegisterWindow : public ProgramFixture
{
protected:
    ParallelRegister &window()
    {
        registry.show(FormId::ParallelRegister);
        return form<ParallelRegister>(FormId::ParallelRegister);
    }
};

TEST_F(ParallelRegisterWindow, OpensWithItsCaptionAndClientAreaAndNoMenuBar)
{
    ParallelRegister &w = window();
    EXPECT_EQ(visibleForms(), Screens{ FormId::ParallelRegister });
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Entrée série et sortie parallèle"));
    EXPECT_EQ(w.client()->size(), QSize(601, 416));
    EXPECT_EQ(w.menuWidget(), nullptr);
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST_F(ParallelRegisterWindow, EveryLampShowsItsLitPictureInFrontOfItsUnlitOne)
{
    ParallelRegister &w = window();
    QWidget *diagram = named<forms::PictureBox>(w, "diagram")->inside();
    for (const auto &lamp : kLamps) {
        SCOPED_TRACE(lamp.lamp);
        forms::Image *lit = picture(w, lamp.lamp, "Lit");
        forms::Image *unlit = picture(w, lamp.lamp, "Unlit");
        const QRect place(lamp.place, QSize(16, 16));
        EXPECT_EQ(lit->parentWidget(), diagram);
        EXPECT_EQ(lit->geometry(), place);
        EXPECT_EQ(unlit->geometry(), place);
        EXPECT_TRUE(lit->shown());
        EXPECT_TRUE(unlit->shown());
        EXPECT_EQ(diagram->childAt(place.center()), lit);
    }
}

TEST_F(ParallelRegisterWindow, EveryLampIsDrawnLit)
{
    ParallelRegister &w = window();
    QWidget *diagram = named<forms::PictureBox>(w, "diagram")->inside();
    const QColor litInside(0xFF, 0x48, 0x30);
    for (const auto &lamp : kLamps) {
        SCOPED_TRACE(lamp.lamp);
        const QPoint centre = picture(w, lamp.lamp, "Lit")->mapTo(diagram, QPoint(8, 8));
        EXPECT_EQ(pixelAt(diagram, centre), litInside);
    }
}

TEST_F(ParallelRegisterWindow, ClicksOnTheLampsThePulseAndTheDiagramDoNothing)
{
    ParallelRegister &w = window();
    // The diagram with its lamps; the buttons below it may draw their focus.
    auto *diagram = named<forms::PictureBox>(w, "diagram");
    const QImage before = grabImage(diagram);
    for (const auto &lamp : kLamps)
        click(picture(w, lamp.lamp, "Lit"));
    click(named<forms::Image>(w, "pulseSymbol"));
    clickClient(w, diagram->geometry().topLeft() + QPoint(200, 20));

    EXPECT_EQ(visibleForms(), Screens{ FormId::ParallelRegister });
    EXPECT_EQ(programEnd.ended, 0);
    EXPECT_TRUE(messageBox.shown.isEmpty());
    for (const auto &lamp : kLamps) {
        EXPECT_TRUE(picture(w, lamp.lamp, "Lit")->shown());
        EXPECT_TRUE(picture(w, lamp.lamp, "Unlit")->shown());
    }
    EXPECT_EQ(grabImage(diagram), before);
}

TEST_F(ParallelRegisterWindow, NoTimerEverTicks)
{
    window();
    advance(10 * 60 * 1000);
    EXPECT_EQ(clock.running(), 0);
}

TEST_F(ParallelRegisterWindow, QuitterAndTheCloseBoxEndTheProgramWithOtherWindowsOpen)
{
    start();
    ParallelRegister &w = window();
    click(button(w, "Quitter"));
    EXPECT_EQ(programEnd.ended, 1);
    w.close();
    EXPECT_EQ(programEnd.ended, 2);
}

TEST_F(ParallelRegisterWindow, MenuHidesTheWindowAndShowsTheMainMenu)
{
    ParallelRegister &w = window();
    click(button(w, "Menu"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::MainMenu });
    EXPECT_EQ(programEnd.ended, 0);
}

TEST_F(ParallelRegisterWindow, NothingOnTheMainMenuCreatesIt)
{
    struct Action
    {
        const char *name;
        std::function<void(MainMenu &)> act;
    };
    const Action actions[] = {
        { "Registre série/série", [this](MainMenu &m) { click(button(m, "Registre série/série")); } },
        { "Registre parallèle/parallèle", [this](MainMenu &m) { click(button(m, "Registre parallèle/parallèle")); } },
        { "Registre série/parallèle", [this](MainMenu &m) { click(button(m, "Registre série/parallèle")); } },
        { "bouton sans titre", [this](MainMenu &m) { click(button(m, "Bouton sans titre")); } },
        { "Quitter", [this](MainMenu &m) { click(button(m, "Quitter")); } },
        { "Fichier > Quitter",
          [this](MainMenu &m) { chooseMenu(m, QStringLiteral("Fichier"), QStringLiteral("Quitter")); } },
        { "à propos", [this](MainMenu &m) { chooseMenu(m, QStringLiteral("à propos")); } },
    };
    for (const Action &action : actions) {
        SCOPED_TRACE(action.name);
        start();
        const Screens before = visibleForms();
        const int endedBefore = programEnd.ended;
        action.act(form<MainMenu>(FormId::MainMenu));
        EXPECT_TRUE(visibleForms() != before || programEnd.ended > endedBefore) << "the action did nothing";
        EXPECT_FALSE(exists(FormId::ParallelRegister));
        for (FormId id : visibleForms())
            if (id != FormId::MainMenu)
                registry.hide(id);
    }
}
