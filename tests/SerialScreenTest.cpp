// The serial trainer as a window: its first display, its layout, where its
// menus and buttons lead, what ends the program, and what a click on a
// picture that has no action does (nothing).

#include "SerialFixture.h"
#include "navigation/FormId.h"

#include "main_menu/AboutBox.h"
#include "serial/SerialHelp.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

using Screens = std::vector<FormId>;

constexpr const char *kFirstLook = "0000 e0 s0 h0 r0 n=0 st= box=";

class SerialScreen : public SerialFixture
{
};

TEST_F(SerialScreen, FirstDisplayIsTheResetLookWithTheFocusInTheBox)
{
    const SerialControls s = open();
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialTrainer });
    EXPECT_EQ(look(), kFirstLook);
    EXPECT_EQ(s.window.focusWidget(), s.wordBox);
    EXPECT_EQ(s.window.windowTitle(), QStringLiteral("Registre série"));
    EXPECT_EQ(clock.running(), 0) << "no timer ticks before a click";
    // Both pictures of every pair stand visible until a first set; the
    // "0" and the unlit pictures are in front.
    EXPECT_TRUE(s.cell2One->shown());
    EXPECT_TRUE(s.inputLit->shown());
    EXPECT_FALSE(s.clockLit->shown()) << "the load puts the clock lamp out";
}

TEST_F(SerialScreen, ControlsStandAtTheirPlaces)
{
    const SerialControls s = open();
    EXPECT_EQ(s.window.client()->size(), QSize(658, 395));
    EXPECT_EQ(s.diagram->geometry(), QRect(152, 64, 401, 233));
    EXPECT_EQ(s.wordBox->geometry(), QRect(80, 184, 57, 25));
    EXPECT_EQ(s.menuButton->geometry(), QRect(152, 304, 83, 19));
    EXPECT_EQ(s.quitButton->geometry(), QRect(240, 304, 83, 19));
    EXPECT_EQ(s.enterWordLabel->geometry(), QRect(48, 144, 97, 17));
    EXPECT_EQ(s.errorLabel->caption(), QStringLiteral("En cas d'erreur, faire une RAZ"));
    EXPECT_EQ(s.pulsesLabel->caption(), QStringLiteral("Puis validez avec Transfert - H - 4 fois."));
    EXPECT_EQ(s.fourBitsLabel->caption(), QStringLiteral("de 4 bits 0 ou 1"));
    EXPECT_EQ(s.enterWordLabel->caption(), QStringLiteral("Entrez un mot"));
    EXPECT_EQ(s.cell0Zero->geometry(), QRect(304, 136, 16, 17));
    EXPECT_EQ(s.cell3One->geometry(), QRect(96, 136, 16, 17));
    EXPECT_EQ(s.outputLit->geometry(), QRect(368, 128, 12, 12));
    EXPECT_EQ(s.clockLit->geometry(), QRect(48, 192, 12, 12));
    EXPECT_EQ(s.resetUnlit->geometry(), QRect(48, 160, 12, 12));
    EXPECT_EQ(s.inputUnlit->geometry(), QRect(32, 128, 12, 12));
    EXPECT_EQ(s.pulseCountLabel->geometry(), QRect(32, 192, 17, 17));
    EXPECT_EQ(s.statusLabel->geometry(), QRect(168, 88, 81, 25));
    EXPECT_EQ(s.wordBox->palette().color(QPalette::Text), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(s.wordBox->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

// The window as the desktop shows it: placed, sizable without moving or
// scaling anything, without an icon, and with a menu bar of its own colour.
TEST_F(SerialScreen, WindowIsPlacedSizableWithoutIconAndKeepsAPlainMenuBar)
{
    const SerialControls s = open();
    EXPECT_EQ(s.window.client()->mapToGlobal(QPoint(0, 0)), QPoint(77, 102));
    EXPECT_TRUE(s.window.windowIcon().isNull());

    QMenuBar *bar = s.window.menuBar();
    const QPoint emptyBar(bar->width() - 10, bar->height() / 2);
    EXPECT_EQ(pixelAt(bar, emptyBar).name(), QApplication::palette().color(QPalette::Window).name())
            << "the window's light yellow is the client area's, not the menu bar's";

    const QRect box = s.wordBox->geometry();
    s.window.resize(s.window.width() + 150, s.window.height() + 120);
    EXPECT_EQ(s.wordBox->geometry(), box);
    EXPECT_EQ(s.diagram->geometry(), QRect(152, 64, 401, 233));
    EXPECT_EQ(pixelAt(&s.window, QPoint(s.window.width() - 5, s.window.height() - 5)).name(),
              QStringLiteral("#ffffc0"));
}

TEST_F(SerialScreen, MenuBarHoldsFichierWithTwoItemsThenTwoEntriesThatAct)
{
    const SerialControls s = open();
    QStringList entries;
    for (QAction *action : s.window.menuBar()->actions())
        entries << action->text();
    EXPECT_EQ(entries, QStringList({ "Fichier", "Aide", "à propos..." }));
    const QList<QAction *> actions = s.window.menuBar()->actions();
    ASSERT_EQ(actions.size(), 3);
    ASSERT_NE(actions[0]->menu(), nullptr);
    QStringList items;
    for (QAction *item : actions[0]->menu()->actions())
        items << item->text();
    EXPECT_EQ(items, QStringList({ "Menu", "Quitter" }));
    EXPECT_EQ(actions[1]->menu(), nullptr);
    EXPECT_EQ(actions[2]->menu(), nullptr);
}

// Every text on the screen in its face, size, weight and colours.
TEST_F(SerialScreen, TextsHaveTheirFontsAndColours)
{
    const SerialControls s = open();
    const QColor yellow(0xFF, 0xFF, 0xC0), darkRed(0xC0, 0, 0), white(Qt::white);
    const struct
    {
        const char *name;
        QWidget *widget;
        int pixels;
        bool bold;
        QColor text;
        QColor back;
        QPalette::ColorRole textRole;
        QPalette::ColorRole backRole;
    } rows[] = {
        { "enterWordLabel", s.enterWordLabel, 11, false, darkRed, yellow, QPalette::WindowText, QPalette::Window },
        { "fourBitsLabel", s.fourBitsLabel, 11, false, darkRed, yellow, QPalette::WindowText, QPalette::Window },
        { "pulsesLabel", s.pulsesLabel, 11, false, darkRed, yellow, QPalette::WindowText, QPalette::Window },
        { "errorLabel", s.errorLabel, 11, false, QColor(0, 0, 0xC0), yellow, QPalette::WindowText, QPalette::Window },
        { "pulseCountLabel", s.pulseCountLabel, 13, true, QColor(0xFF, 0, 0), white, QPalette::WindowText,
          QPalette::Window },
        { "statusLabel", s.statusLabel, 16, true, QColor(0xFF, 0, 0), white, QPalette::WindowText, QPalette::Window },
        { "wordBox", s.wordBox, 18, false, QColor(0, 0, 0xFF), white, QPalette::Text, QPalette::Base },
    };
    for (const auto &row : rows) {
        SCOPED_TRACE(row.name);
        const QFont font = row.widget->font();
        EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif"));
        EXPECT_EQ(font.pixelSize(), row.pixels);
        EXPECT_EQ(font.bold(), row.bold);
        EXPECT_FALSE(font.italic());
        EXPECT_EQ(row.widget->palette().color(row.textRole), row.text);
        EXPECT_EQ(row.widget->palette().color(row.backRole), row.back);
    }
    for (QWidget *button : { static_cast<QWidget *>(s.menuButton), static_cast<QWidget *>(s.quitButton) })
        EXPECT_EQ(button->font().pixelSize(), 11);
    EXPECT_EQ(s.pulseCountLabel->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(s.statusLabel->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(s.enterWordLabel->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

// Each pair of pictures lies at one place on the diagram, at natural size.
TEST_F(SerialScreen, EveryPairOfPicturesSharesItsPlace)
{
    const SerialControls s = open();
    const struct
    {
        forms::Image *front;
        forms::Image *back;
        QRect place;
    } pairs[] = {
        { s.cell0Zero, s.cell0One, QRect(304, 136, 16, 17) },    { s.cell1Zero, s.cell1One, QRect(232, 136, 16, 17) },
        { s.cell2Zero, s.cell2One, QRect(168, 136, 16, 17) },    { s.cell3Zero, s.cell3One, QRect(96, 136, 16, 17) },
        { s.outputUnlit, s.outputLit, QRect(368, 128, 12, 12) }, { s.clockUnlit, s.clockLit, QRect(48, 192, 12, 12) },
        { s.resetUnlit, s.resetLit, QRect(48, 160, 12, 12) },    { s.inputUnlit, s.inputLit, QRect(32, 128, 12, 12) },
    };
    for (const auto &pair : pairs) {
        SCOPED_TRACE(pair.front->accessibleName().toStdString());
        EXPECT_EQ(pair.front->geometry(), pair.place);
        EXPECT_EQ(pair.back->geometry(), pair.place);
        EXPECT_EQ(pair.front->picture().size(), pair.place.size());
        EXPECT_EQ(pair.back->picture().size(), pair.place.size());
    }
}

// The front-to-back order inside the diagram: the labels above every
// picture, each cell's "0" above its "1", each unlit lamp above its lit one.
TEST_F(SerialScreen, FrontPicturesAreTheZeroAndUnlitOnes)
{
    const SerialControls s = open();
    const QObjectList &order = s.diagram->inside()->children(); // back to front
    auto depth = [&order](QWidget *w) { return order.indexOf(w); };
    for (const auto &[front, back] : std::vector<std::pair<QWidget *, QWidget *>>{ { s.cell0Zero, s.cell0One },
                                                                                   { s.cell3Zero, s.cell3One },
                                                                                   { s.inputUnlit, s.inputLit },
                                                                                   { s.outputUnlit, s.outputLit },
                                                                                   { s.clockUnlit, s.clockLit },
                                                                                   { s.resetUnlit, s.resetLit },
                                                                                   { s.pulseCountLabel, s.clockUnlit },
                                                                                   { s.statusLabel, s.cell2Zero } })
        EXPECT_GT(depth(front), depth(back)) << front->accessibleName().toStdString();
    EXPECT_EQ(s.diagram->inside()->childAt(QPoint(53, 197)), s.clockUnlit);
    EXPECT_EQ(s.diagram->inside()->childAt(QPoint(300 + 8, 136 + 8)), s.cell0Zero);
}

TEST_F(SerialScreen, TheUpArrowPointerStandsOverTheClickableLampsOnly)
{
    const SerialControls s = open();
    for (forms::Image *lamp : { s.clockUnlit, s.resetUnlit })
        EXPECT_EQ(lamp->cursor().shape(), Qt::UpArrowCursor);
    for (forms::Image *other :
         { s.clockLit, s.resetLit, s.inputUnlit, s.inputLit, s.outputUnlit, s.outputLit, s.cell0Zero, s.cell3One })
        EXPECT_FALSE(other->testAttribute(Qt::WA_SetCursor));
    // Lit, the clock lamp takes no click: the default pointer stands there.
    type(QStringLiteral("1011"));
    click(s.clockUnlit);
    advance(200);
    QWidget *inside = s.diagram->inside();
    const QWidget *atClock = inside->childAt(s.clockUnlit->geometry().center());
    ASSERT_NE(atClock, nullptr);
    EXPECT_EQ(atClock->cursor().shape(), Qt::ArrowCursor);
    advance(200);
    EXPECT_EQ(inside->childAt(s.clockUnlit->geometry().center())->cursor().shape(), Qt::UpArrowCursor);
}

TEST_F(SerialScreen, ComingBackFromTheMainMenuShowsTheScreenAsLeft)
{
    const SerialControls s = open();
    click(s.resetUnlit);
    advance(400);
    type(QStringLiteral("1"));
    const std::string left = look();
    ASSERT_EQ(left, "0000 e0 s0 h0 r0 n= st= box=1");
    for (bool byMenu : { false, true }) {
        if (byMenu)
            chooseMenu(s.window, QStringLiteral("Fichier"), QStringLiteral("Menu"));
        else
            click(s.menuButton);
        EXPECT_EQ(visibleForms(), Screens{ FormId::MainMenu });
        click(button(FormId::MainMenu, "Registre série/série"));
        EXPECT_EQ(visibleForms(), Screens{ FormId::SerialTrainer });
        // A second load would show "0" in the count and forget the change.
        EXPECT_EQ(look(), left);
        EXPECT_EQ(s.word->typedCount(), 1);
    }
}

TEST_F(SerialScreen, AideAndAProposLeadAwayAndTheirOkBack)
{
    const SerialControls s = open();
    type(QStringLiteral("10"));
    const std::string left = look();

    chooseMenu(s.window, QStringLiteral("Aide"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialHelp });
    click(button(FormId::SerialHelp, "OK"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialTrainer });
    EXPECT_EQ(look(), left);

    chooseMenu(s.window, QStringLiteral("à propos..."));
    EXPECT_EQ(visibleForms(), Screens{ FormId::AboutBox });
    click(button(FormId::AboutBox, "OK"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialTrainer });
    EXPECT_EQ(look(), left);
    EXPECT_EQ(s.word->typedCount(), 2);
}

TEST_F(SerialScreen, BothQuittersAndTheCloseBoxEndTheProgramEvenDuringAnAnimation)
{
    const SerialControls s = open();
    click(s.clockUnlit);
    click(s.resetUnlit);
    click(s.quitButton);
    EXPECT_EQ(programEnd.ended, 1);
    chooseMenu(s.window, QStringLiteral("Fichier"), QStringLiteral("Quitter"));
    EXPECT_EQ(programEnd.ended, 2);
    s.window.close();
    EXPECT_EQ(programEnd.ended, 3);
}

TEST_F(SerialScreen, PicturesAndLabelsWithoutActionIgnoreClicks)
{
    const SerialControls s = open();
    type(QStringLiteral("1011"));
    const std::string before = look();
    for (QWidget *target :
         std::initializer_list<QWidget *>{ s.inputUnlit, s.outputUnlit, s.cell0Zero, s.cell3Zero, s.enterWordLabel,
                                           s.errorLabel, s.statusLabel, s.pulseCountLabel })
        click(target);
    clickClient(s.window, s.diagram->geometry().topLeft() + QPoint(8, 8));
    advance(1000);
    EXPECT_EQ(look(), before);
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialTrainer });
    EXPECT_TRUE(messageBox.shown.isEmpty());

    // The lit pictures ignore clicks too: light the lamps and click them.
    pulses(4);
    const std::string loaded = look();
    ASSERT_EQ(loaded, "1011 e1 s1 h0 r0 n=4 st= box= locked");
    for (QWidget *target : std::initializer_list<QWidget *>{ s.inputLit, s.outputLit, s.cell0One, s.cell3One })
        click(target);
    advance(1000);
    EXPECT_EQ(look(), loaded);
}

TEST_F(SerialScreen, TheMainMenusAboutOkOpensTheTrainerFreshAndLoaded)
{
    start();
    chooseMenu(form<forms::Form>(FormId::MainMenu), QStringLiteral("à propos"));
    click(button(FormId::AboutBox, "OK"));
    EXPECT_EQ(visibleForms(), Screens{ FormId::SerialTrainer });
    EXPECT_EQ(look(), kFirstLook);
    EXPECT_EQ(trainer().window.focusWidget(), trainer().wordBox);
}

} // namespace
