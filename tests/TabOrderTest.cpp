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

class TabOrder : public ProgramFixture
{
protected:
    // The window shown as at its first display, once it is active.
    forms::Form &first(FormId id)
    {
        registry.show(id);
        forms::Form &window = registry.form(id);
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return window;
    }
};

struct Stop
{
    QWidget *control;
    const char *name;
};
using Stops = std::vector<Stop>;

struct Chain
{
    const char *window;
    FormId id;
    // The first focus, then the focus after each Tab, ending where it began.
    std::function<Stops(forms::Form &)> stops;
};

// The name of the control among the stops, else its class.
std::string nameOf(QWidget *control, const Stops &stops)
{
    for (const Stop &stop : stops)
        if (stop.control == control)
            return stop.name;
    return control ? control->metaObject()->className() : "nothing";
}

} // namespace

TEST_F(TabOrder, EveryWindowStartsOnItsFirstStopAndTabGoesRoundItsOrder)
{
    const auto panel = [](forms::Form &w) { return Stop{ named<forms::PictureBox>(w, "panel"), "panel" }; };
    const auto ok = [](forms::Form &w) { return Stop{ button(w, "OK"), "OK" }; };
    const auto diagram = [](forms::Form &w) { return Stop{ named<forms::PictureBox>(w, "diagram"), "diagram" }; };
    const auto trainer = [diagram](forms::Form &w) {
        const Stop wordBox{ named<forms::TextBox>(w, "wordBox"), "wordBox" };
        return Stops{
            wordBox, { button(w, "Menu"), "Menu" }, { button(w, "Quitter"), "Quitter" }, diagram(w), wordBox
        };
    };
    const Chain chains[] = {
        { "main menu", FormId::MainMenu,
          [panel](forms::Form &w) {
              return Stops{ panel(w),
                            { named<forms::PictureBox>(w, "titleStrip"), "titleStrip" },
                            { button(w, "Registre parallèle/parallèle"), "Registre parallèle/parallèle" },
                            { button(w, "Quitter"), "Quitter" },
                            { button(w, "Bouton sans titre"), "Bouton sans titre" },
                            { button(w, "Registre série/parallèle"), "Registre série/parallèle" },
                            { button(w, "Registre série/série"), "Registre série/série" },
                            panel(w) };
          } },
        { "About box", FormId::AboutBox,
          [panel, ok](forms::Form &w) {
              return Stops{ panel(w), ok(w), panel(w) };
          } },
        { "coming-soon card", FormId::ComingSoonCard,
          [panel, ok](forms::Form &w) {
              return Stops{ panel(w), ok(w), { named<forms::PictureBox>(w, "card"), "card" }, panel(w) };
          } },
        { "serial trainer", FormId::SerialTrainer, trainer },
        { "serial help", FormId::SerialHelp,
          [ok](forms::Form &w) {
              return Stops{ ok(w), ok(w) };
          } },
        { "serial-parallel trainer", FormId::SerialParallelTrainer, trainer },
        { "serial-parallel help", FormId::SerialParallelHelp,
          [ok](forms::Form &w) {
              return Stops{ ok(w), ok(w) };
          } },
        { "parallel register", FormId::ParallelRegister,
          [diagram](forms::Form &w) {
              const Stop quit{ button(w, "Quitter"), "Quitter" };
              return Stops{ quit, { button(w, "Menu"), "Menu" }, diagram(w), quit };
          } },
    };
    for (const Chain &chain : chains) {
        SCOPED_TRACE(chain.window);
        forms::Form &window = first(chain.id);
        const Stops stops = chain.stops(window);
        std::vector<std::string> expected, reached;
        for (const Stop &stop : stops)
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
    for (FormId id : { FormId::MainMenu, FormId::AboutBox, FormId::ComingSoonCard }) {
        forms::Form &window = first(id);
        ASSERT_NE(window.focusWidget(), nullptr);
        QTest::keyClick(window.focusWidget(), Qt::Key_Return);
        SCOPED_TRACE(window.windowTitle().toStdString());
        EXPECT_TRUE(visible(id));
        EXPECT_EQ(visibleForms().size(), 1u);
        EXPECT_EQ(programEnd.ended, 0);
        registry.hide(id);
    }
}
