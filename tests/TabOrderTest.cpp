// The keyboard focus of every window at its first display, and where each
// Tab takes it from there: each window's controls in its own Tab order,
// panels and picture boxes included, labels left out, round to the first.

#include "main_menu/AboutBox.h"
#include "main_menu/ComingSoonCard.h"
#include "main_menu/MainMenu.h"
#include "navigation/ScreenId.h"
#include "parallel/ParallelRegister.h"
#include "serial/SerialHelp.h"
#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelHelp.h"
#include "serial_parallel/SerialParallelTrainer.h"
#include "support/ProgramFixture.h"

#include <QTest>

#include <functional>
#include <string>
#include <vector>

namespace {

class TabOrder : public ProgramFixture {
protected:
    // The window shown as at its first display, once it is active.
    forms::Screen& first(ScreenId id)
    {
        registry.show(id);
        forms::Screen& window = registry.screen(id);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }
};

struct Stop {
    QWidget* control;
    const char* name;
};
using Stops = std::vector<Stop>;

struct Chain {
    const char* window;
    ScreenId id;
    // The first focus, then the focus after each Tab, ending where it began.
    std::function<Stops(forms::Screen&)> stops;
};

// The name of the control among the stops, else its class.
std::string nameOf(QWidget* control, const Stops& stops)
{
    for (const Stop& stop : stops)
        if (stop.control == control)
            return stop.name;
    return control ? control->metaObject()->className() : "nothing";
}

} // namespace

TEST_F(TabOrder, EveryWindowStartsOnItsFirstStopAndTabGoesRoundItsOrder)
{
    const Chain chains[] = {
        {"main menu", ScreenId::MainMenu,
         [](forms::Screen& s) {
             auto& w = static_cast<MainMenu&>(s);
             return Stops{{w.panel, "panel"},
                          {w.titleStrip, "titleStrip"},
                          {w.parallelButton, "parallelButton"},
                          {w.quitButton, "quitButton"},
                          {w.blankButton, "blankButton"},
                          {w.serialParallelButton, "serialParallelButton"},
                          {w.serialButton, "serialButton"},
                          {w.panel, "panel"}};
         }},
        {"About box", ScreenId::AboutBox,
         [](forms::Screen& s) {
             auto& w = static_cast<AboutBox&>(s);
             return Stops{{w.panel, "panel"}, {w.okButton, "okButton"}, {w.panel, "panel"}};
         }},
        {"coming-soon card", ScreenId::ComingSoonCard,
         [](forms::Screen& s) {
             auto& w = static_cast<ComingSoonCard&>(s);
             return Stops{{w.panel, "panel"}, {w.okButton, "okButton"}, {w.card, "card"}, {w.panel, "panel"}};
         }},
        {"serial trainer", ScreenId::SerialTrainer,
         [](forms::Screen& s) {
             auto& w = static_cast<SerialTrainer&>(s);
             return Stops{{w.wordBox, "wordBox"},
                          {w.menuButton, "menuButton"},
                          {w.quitButton, "quitButton"},
                          {w.diagram, "diagram"},
                          {w.wordBox, "wordBox"}};
         }},
        {"serial help", ScreenId::SerialHelp,
         [](forms::Screen& s) {
             auto& w = static_cast<SerialHelp&>(s);
             return Stops{{w.okButton, "okButton"}, {w.okButton, "okButton"}};
         }},
        {"serial-parallel trainer", ScreenId::SerialParallelTrainer,
         [](forms::Screen& s) {
             auto& w = static_cast<SerialParallelTrainer&>(s);
             return Stops{{w.wordBox, "wordBox"},
                          {w.menuButton, "menuButton"},
                          {w.quitButton, "quitButton"},
                          {w.diagram, "diagram"},
                          {w.wordBox, "wordBox"}};
         }},
        {"serial-parallel help", ScreenId::SerialParallelHelp,
         [](forms::Screen& s) {
             auto& w = static_cast<SerialParallelHelp&>(s);
             return Stops{{w.okButton, "okButton"}, {w.okButton, "okButton"}};
         }},
        {"parallel register", ScreenId::ParallelRegister,
         [](forms::Screen& s) {
             auto& w = static_cast<ParallelRegister&>(s);
             return Stops{{w.quitButton, "quitButton"}, {w.menuButton, "menuButton"}, {w.diagram, "diagram"}, {w.quitButton, "quitButton"}};
         }},
    };
    for (const Chain& chain : chains) {
        SCOPED_TRACE(chain.window);
        forms::Screen& window = first(chain.id);
        const Stops stops = chain.stops(window);
        std::vector<std::string> expected, reached;
        for (const Stop& stop : stops)
            expected.push_back(stop.name);
        reached.push_back(nameOf(window.focusWidget(), stops));
        for (size_t tab = 1; tab < stops.size() && window.focusWidget(); ++tab) {
            QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
            reached.push_back(nameOf(window.focusWidget(), stops));
        }
        EXPECT_EQ(reached, expected);
        registry.hide(chain.id);
    }
}

TEST_F(TabOrder, ReturnOnTheFirstFocusOfAPanelDoesNothing)
{
    for (ScreenId id : {ScreenId::MainMenu, ScreenId::AboutBox, ScreenId::ComingSoonCard}) {
        forms::Screen& window = first(id);
        ASSERT_NE(window.focusWidget(), nullptr);
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        SCOPED_TRACE(window.windowTitle().toStdString());
        EXPECT_TRUE(visible(id));
        EXPECT_EQ(visibleScreens().size(), 1u);
        EXPECT_EQ(programEnd.ended, 0);
        registry.hide(id);
    }
}
