// The parallel register window: shown straight from the registry, since no
// window opens it. Every lamp looks lit, nothing on it answers a click but
// its two buttons, and its timers never tick.

#include "Registre.h"
#include "forms/Pictures.h"
#include "parallel/pp.h"
#include "support/ProgramFixture.h"

#include <QMenuBar>

using Screens = std::vector<ScreenId>;

class Pp : public ProgramFixture {
protected:
    pp& window()
    {
        registry.show(ScreenId::pp);
        return screen<pp>(ScreenId::pp);
    }
};

TEST_F(Pp, OpensWithItsCaptionAndClientAreaAndNoMenuBar)
{
    pp& w = window();
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::pp});
    EXPECT_EQ(w.windowTitle(), QStringLiteral("Entrée série et sortie parallèle"));
    EXPECT_EQ(w.client()->size(), QSize(601, 416));
    EXPECT_EQ(w.menuWidget(), nullptr);
    EXPECT_FALSE(w.windowIcon().isNull());
}

TEST_F(Pp, EveryLampShowsItsLitPictureInFrontOfItsUnlitOne)
{
    pp& w = window();
    struct Case {
        forms::Image* lit;
        forms::Image* unlit;
        QPoint place; // pixels inside the diagram
    };
    const Case cases[] = {
        {w.Image2, w.Image12, {60, 176}},  {w.Image3, w.Image13, {128, 176}},
        {w.Image4, w.Image14, {200, 176}}, {w.Image5, w.Image15, {268, 176}},
        {w.Image6, w.Image16, {122, 284}}, {w.Image7, w.Image17, {190, 284}},
        {w.Image8, w.Image18, {260, 284}}, {w.Image9, w.Image19, {330, 284}},
        {w.Image10, w.Image20, {40, 250}}, {w.Image11, w.Image21, {40, 266}},
    };
    QWidget* diagram = w.Picture1->inside();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.lit->accessibleName().toStdString());
        const QRect place(c.place, QSize(16, 16));
        EXPECT_EQ(c.lit->parentWidget(), diagram);
        EXPECT_EQ(c.lit->geometry(), place);
        EXPECT_EQ(c.unlit->geometry(), place);
        EXPECT_TRUE(c.lit->isVisible());
        EXPECT_TRUE(c.unlit->isVisible());
        EXPECT_EQ(diagram->childAt(place.center()), c.lit);
    }
}

TEST_F(Pp, EveryLampIsDrawnLit)
{
    pp& w = window();
    const QColor litInside(0xFF, 0x48, 0x30);
    for (forms::Image* lit : {w.Image2, w.Image3, w.Image4, w.Image5, w.Image6, w.Image7, w.Image8,
                              w.Image9, w.Image10, w.Image11}) {
        SCOPED_TRACE(lit->accessibleName().toStdString());
        const QPoint centre = lit->mapTo(w.Picture1->inside(), QPoint(8, 8));
        EXPECT_EQ(pixelAt(w.Picture1->inside(), centre), litInside);
    }
}

TEST_F(Pp, ClicksOnTheLampsThePulseAndTheDiagramDoNothing)
{
    pp& w = window();
    // The diagram with its lamps; the buttons below it may draw their focus.
    const QImage before = grabImage(w.Picture1);
    std::vector<QWidget*> targets;
    for (const Lamp& lamp : w.lamps())
        targets.push_back(&lamp.lit());
    targets.push_back(w.Image1);
    for (QWidget* target : targets)
        click(target);
    clickClient(w, w.Picture1->geometry().topLeft() + QPoint(200, 20));

    EXPECT_EQ(visibleScreens(), Screens{ScreenId::pp});
    EXPECT_EQ(programEnd.ended, 0);
    EXPECT_TRUE(messageBox.shown.isEmpty());
    for (const Lamp& lamp : w.lamps()) {
        EXPECT_TRUE(lamp.lit().shown());
        EXPECT_TRUE(lamp.unlit().shown());
    }
    EXPECT_EQ(grabImage(w.Picture1), before);
}

TEST_F(Pp, NoTimerEverTicks)
{
    pp& w = window();
    advance(10 * 60 * 1000);
    for (const forms::Timer* timer : {&w.Timer1, &w.Timer2, &w.Timer3}) {
        EXPECT_FALSE(timer->ticking());
        EXPECT_EQ(timer->interval(), 0);
    }
    EXPECT_EQ(clock.running(), 0);
}

TEST_F(Pp, QuitterAndTheCloseBoxEndTheProgramWithOtherWindowsOpen)
{
    start();
    pp& w = window();
    click(w.Quit);
    EXPECT_EQ(programEnd.ended, 1);
    w.close();
    EXPECT_EQ(programEnd.ended, 2);
}

TEST_F(Pp, MenuHidesTheWindowAndShowsTheMainMenu)
{
    pp& w = window();
    click(w.Menu);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Registre});
    EXPECT_EQ(programEnd.ended, 0);
}

TEST_F(Pp, NothingOnTheMainMenuCreatesIt)
{
    struct Action {
        const char* name;
        std::function<void(Registre&)> act;
    };
    const Action actions[] = {
        {"Registre série/série", [this](Registre& m) { click(m.Command1); }},
        {"Registre parallèle/parallèle", [this](Registre& m) { click(m.Command2); }},
        {"Registre série/parallèle", [this](Registre& m) { click(m.Command3); }},
        {"bouton sans titre", [this](Registre& m) { click(m.Command4); }},
        {"Quitter", [this](Registre& m) { click(m.Command5); }},
        {"Fichier > Quitter",
         [this](Registre& m) {
             chooseMenu(m, QStringLiteral("Fichier"), QStringLiteral("Quitter"));
         }},
        {"à propos", [this](Registre& m) { chooseMenu(m, QStringLiteral("à propos")); }},
    };
    for (const Action& action : actions) {
        SCOPED_TRACE(action.name);
        start();
        const Screens before = visibleScreens();
        const int endedBefore = programEnd.ended;
        action.act(screen<Registre>(ScreenId::Registre));
        EXPECT_TRUE(visibleScreens() != before || programEnd.ended > endedBefore)
            << "the action did nothing";
        EXPECT_FALSE(exists(ScreenId::pp));
        for (ScreenId id : visibleScreens())
            if (id != ScreenId::Registre)
                registry.hide(id);
    }
}
