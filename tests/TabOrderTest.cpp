// The keyboard focus of every window at its first display, and where each
// Tab takes it from there: the controls in the order of their tab indexes,
// panels and picture boxes included, labels left out, round to the first.

#include "Info.h"
#include "Registre.h"
#include "Suite.h"
#include "parallel/pp.h"
#include "serial/AideReg.h"
#include "serial/Serie.h"
#include "serial_parallel/Aide_sp.h"
#include "serial_parallel/sp.h"
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

TEST_F(TabOrder, EveryWindowStartsOnItsLowestTabIndexAndTabFollowsTheIndexes)
{
    const Chain chains[] = {
        {"Registre", ScreenId::Registre,
         [](forms::Screen& s) {
             auto& w = static_cast<Registre&>(s);
             return Stops{{w.Picture1, "Picture1"}, {w.Picture2, "Picture2"}, {w.Command2, "Command2"},
                          {w.Command5, "Command5"}, {w.Command4, "Command4"}, {w.Command3, "Command3"},
                          {w.Command1, "Command1"}, {w.Picture1, "Picture1"}};
         }},
        {"Info", ScreenId::Info,
         [](forms::Screen& s) {
             auto& w = static_cast<Info&>(s);
             return Stops{{w.Picture1, "Picture1"}, {w.Command1, "Command1"}, {w.Picture1, "Picture1"}};
         }},
        {"Suite", ScreenId::Suite,
         [](forms::Screen& s) {
             auto& w = static_cast<Suite&>(s);
             return Stops{{w.Picture1, "Picture1"}, {w.Command1, "Command1"}, {w.Picture2, "Picture2"},
                          {w.Picture1, "Picture1"}};
         }},
        {"Série", ScreenId::Serie,
         [](forms::Screen& s) {
             auto& w = static_cast<Serie&>(s);
             return Stops{{w.mot, "mot"}, {w.men, "men"}, {w.quitt, "quitt"}, {w.Picture1, "Picture1"},
                          {w.mot, "mot"}};
         }},
        {"AideReg", ScreenId::AideReg,
         [](forms::Screen& s) {
             auto& w = static_cast<AideReg&>(s);
             return Stops{{w.Command1, "Command1"}, {w.Command1, "Command1"}};
         }},
        {"sp", ScreenId::sp,
         [](forms::Screen& s) {
             auto& w = static_cast<sp&>(s);
             return Stops{{w.mot, "mot"}, {w.men, "men"}, {w.quitt, "quitt"}, {w.Picture1, "Picture1"},
                          {w.mot, "mot"}};
         }},
        {"Aide_sp", ScreenId::Aide_sp,
         [](forms::Screen& s) {
             auto& w = static_cast<Aide_sp&>(s);
             return Stops{{w.Command1, "Command1"}, {w.Command1, "Command1"}};
         }},
        {"pp", ScreenId::pp,
         [](forms::Screen& s) {
             auto& w = static_cast<pp&>(s);
             return Stops{{w.Quit, "Quit"}, {w.Menu, "Menu"}, {w.Picture1, "Picture1"}, {w.Quit, "Quit"}};
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
    for (ScreenId id : {ScreenId::Registre, ScreenId::Info, ScreenId::Suite}) {
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
