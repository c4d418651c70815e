// The keyboard focus of every window at its first display, and where each
// Tab takes it from there: each window's controls in its own Tab order,
// panels and picture boxes included, labels left out, round to the first.

#include "main_menu/AboutBox.h"
#include "main_menu/ComingSoonCard.h"
#include "main_menu/MainMenu.h"
#include "navigation/FormId.h"
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
    forms::Form& first(FormId id)
    {
        registry.show(id);
        forms::Form& window = registry.form(id);
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
    FormId id;
    // The first focus, then the focus after each Tab, ending where it began.
    std::function<Stops(forms::Form&)> stops;
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
        {"main menu", FormId::MainMenu,
         [](forms::Form& s) {
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
        {"About box", FormId::AboutBox,
         [](forms::Form& s) {
             auto& w = static_cast<AboutBox&>(s);
             return Stops{{w.panel, "panel"}, {w.okButton, "okButton"}, {w.panel, "panel"}};
         }},
        {"coming-soon card", FormId::ComingSoonCard,
         [](forms::Form& s) {
             auto& w = static_cast<ComingSoonCard&>(s);
             return Stops{{w.panel, "panel"}, {w.okButton, "okButton"}, {w.card, "card"}, {w.panel, "panel"}};
         }},
        {"serial trainer", FormId::SerialTrainer,
         [](forms::Form& s) {
             auto& w = static_cast<SerialTrainer&>(s);
             return Stops{{w.wordBox, "wordBox"},
                          {w.menuButton, "menuButton"},
                          {w.quitButton, "quitButton"},
                          {w.diagram, "diagram"},
                          {w.wordBox, "wordBox"}};
         }},
        {"serial help", FormId::SerialHelp,
         [](forms::Form& s) {
             auto& w = static_cast<SerialHelp&>(s);
             return Stops{{w.okButton, "okButton"}, {w.okButton, "okButton"}};
         }},
        {"serial-parallel trainer", FormId::SerialParallelTrainer,
         [](forms::Form& s) {
             auto& w = static_cast<SerialParallelTrainer&>(s);
             return Stops{{w.wordBox, "wordBox"},
                          {w.menuButton, "menuButton"},
                          {w.quitButton, "quitButton"},
                          {w.diagram, "diagram"},
                          {w.wordBox, "wordBox"}};
         }},
        {"serial-parallel help", FormId::SerialParallelHelp,
         [](forms::Form& s) {
             auto& w = static_cast<SerialParallelHelp&>(s);
             return Stops{{w.okButton, "okButton"}, {w.okButton, "okButton"}};
         }},
        {"parallel register", FormId::ParallelRegister,
         [](forms::Form& s) {
             auto& w = static_cast<ParallelRegister&>(s);
             return Stops{{w.quitButton, "quitButton"}, {w.menuButton, "menuButton"}, {w.diagram, "diagram"}, {w.quitButton, "quitButton"}};
         }},
    };
    for (const Chain& chain : chains) {
        SCOPED_TRACE(chain.window);
        forms::Form& window = first(chain.id);
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
    for (FormId id : {FormId::MainMenu, FormId::AboutBox, FormId::ComingSoonCard}) {
        forms::Form& window = first(id);
        ASSERT_NE(window.focusWidget(), nullptr);
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        SCOPED_TRACE(window.windowTitle().toStdString());
        EXPECT_TRUE(visible(id));
        EXPECT_EQ(visibleForms().size(), 1u);
        EXPECT_EQ(programEnd.ended, 0);
        registry.hide(id);
    }
}
