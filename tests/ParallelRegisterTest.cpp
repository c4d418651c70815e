// The parallel register window: shown straight from the registry, since no
// window opens it. Every lamp looks lit, nothing on it answers a click but
// its two buttons, and its timers never tick.

#include "forms/Pictures.h"
#include "main_menu/MainMenu.h"
#include "navigation/FormId.h"
#include "parallel/ParallelRegister.h"
#include "support/ProgramFixture.h"

#include <QMenuBar>

using Screens = std::vector<FormId>;

class ParallelRegisterWindow : public ProgramFixture {
protected:
    ParallelRegister& window()
    {
        registry.show(FormId::ParallelRegister);
        return form<ParallelRegister>(FormId::ParallelRegister);
    }
};

TEST_F(ParallelRegisterWindow, OpensWithItsCaptionAndClientAreaAndNoMenuBar)
{
    ParallelRegister& w = window();
    EXPECT_EQ(visibleForms(), Screens{FormId::ParallelRegister});
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Entrée série et sortie parallèle"));
    EXPECT_EQ(w.client()->size(), QSize(601, 416));
    EXPECT_EQ(w.menuWidget(), nullptr);
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST_F(ParallelRegisterWindow, EveryLampShowsItsLitPictureInFrontOfItsUnlitOne)
{
    ParallelRegister& w = window();
    struct Case {
        forms::Image* lit;
        forms::Image* unlit;
        QPoint place; // pixels inside the diagram
    };
    using R = ParallelRegister;
    const auto pair = [&w](R::LampIndex i, QPoint place) { return Case{w.litPictures[i], w.unlitPictures[i], place}; };
    const Case cases[] = {
        pair(R::E4, {60, 176}),  pair(R::E3, {128, 176}),    pair(R::E2, {200, 176}),    pair(R::E1, {268, 176}),
        pair(R::S4, {122, 284}), pair(R::S3, {190, 284}),    pair(R::S2, {260, 284}),    pair(R::S1, {330, 284}),
        pair(R::Reset, {40, 250}), pair(R::Command, {40, 266}),
    };
    QWidget* diagram = w.diagram->inside();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lit->accessibleName().toStdString());
        const QRect place(c.place, QSize(16, 16));
        EXPECT_EQ(c.lit->parentWidget(), diagram);
        EXPECT_EQ(c.lit->geometry(), place);
        EXPECT_EQ(c.unlit->geometry(), place);
        EXPECT_TRUE(c.lit->shown());
        EXPECT_TRUE(c.unlit->shown());
        EXPECT_EQ(diagram->childAt(place.center()), c.lit);
    }
}

TEST_F(ParallelRegisterWindow, EveryLampIsDrawnLit)
{
    ParallelRegister& w = window();
    const QColor litInside(0xFF, 0x48, 0x30);
    for (forms::Image* lit : w.litPictures) {
        SCOPED_TRACE(lit->accessibleName().toStdString());
        const QPoint centre = lit->mapTo(w.diagram->inside(), QPoint(8, 8));
        EXPECT_EQ(pixelAt(w.diagram->inside(), centre), litInside);
    }
}

TEST_F(ParallelRegisterWindow, ClicksOnTheLampsThePulseAndTheDiagramDoNothing)
{
    ParallelRegister& w = window();
    // The diagram with its lamps; the buttons below it may draw their focus.
    const QImage before = grabImage(w.diagram);
    std::vector<QWidget*> targets;
    for (const Lamp& lamp : w.lamps())
        targets.push_back(&lamp.lit());
    targets.push_back(w.pulseSymbol);
    for (QWidget* target : targets)
        click(target);
    clickClient(w, w.diagram->geometry().topLeft() + QPoint(200, 20));

    EXPECT_EQ(visibleForms(), Screens{FormId::ParallelRegister});
    EXPECT_EQ(programEnd.ended, 0);
    EXPECT_TRUE(messageBox.shown.isEmpty());
    for (const Lamp& lamp : w.lamps()) {
        EXPECT_TRUE(lamp.lit().shown());
        EXPECT_TRUE(lamp.unlit().shown());
    }
    EXPECT_EQ(grabImage(w.diagram), before);
}

TEST_F(ParallelRegisterWindow, NoTimerEverTicks)
{
    ParallelRegister& w = window();
    advance(10 * 60 * 1000);
    for (const forms::Timer& timer : w.spareTimers) {
        EXPECT_FALSE(timer.ticking());
        EXPECT_EQ(timer.interval(), 0);
    }
    EXPECT_EQ(clock.running(), 0);
}

TEST_F(ParallelRegisterWindow, QuitterAndTheCloseBoxEndTheProgramWithOtherWindowsOpen)
{
    start();
    ParallelRegister& w = window();
    click(w.quitButton);
    EXPECT_EQ(programEnd.ended, 1);
    w.close();
    EXPECT_EQ(programEnd.ended, 2);
}

TEST_F(ParallelRegisterWindow, MenuHidesTheWindowAndShowsTheMainMenu)
{
    ParallelRegister& w = window();
    click(w.menuButton);
    EXPECT_EQ(visibleForms(), Screens{FormId::MainMenu});
    EXPECT_EQ(programEnd.ended, 0);
}

TEST_F(ParallelRegisterWindow, NothingOnTheMainMenuCreatesIt)
{
    struct Action {
        const char* name;
        std::function<void(MainMenu&)> act;
    };
    const Action actions[] = {
        {"Registre série/série", [this](MainMenu& m) { click(m.serialButton); }},
        {"Registre parallèle/parallèle", [this](MainMenu& m) { click(m.parallelButton); }},
        {"Registre série/parallèle", [this](MainMenu& m) { click(m.serialParallelButton); }},
        {"bouton sans titre", [this](MainMenu& m) { click(m.blankButton); }},
        {"Quitter", [this](MainMenu& m) { click(m.quitButton); }},
        {"Fichier > Quitter",
         [this](MainMenu& m) { chooseMenu(m, QStringLiteral("Fichier"), QStringLiteral("Quitter")); }},
        {"à propos", [this](MainMenu& m) { chooseMenu(m, QStringLiteral("à propos")); }},
    };
    for (const Action& action : actions) {
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
