// The serial trainer as a window: its first display, its layout, where its
// menus and buttons lead, what ends the program, and what a click on a
// picture that has no action does (nothing).

#include "SerieFixture.h"

#include "Info.h"
#include "serial/AideReg.h"

#include <QApplication>
#include <QMenu>
#include <QMenuBar>

namespace {

using Screens = std::vector<ScreenId>;

constexpr const char* kFirstLook = "0000 e0 s0 h0 r0 n=0 st= mot=";

class SerieScreen : public SerieFixture {};

TEST_F(SerieScreen, FirstDisplayIsTheResetLookWithTheFocusInTheBox)
{
    Serie& s = open();
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});
    EXPECT_EQ(look(), kFirstLook);
    EXPECT_EQ(s.focusWidget(), s.mot);
    EXPECT_EQ(s.windowTitle(), QStringLiteral("Registre série"));
    EXPECT_EQ(clock.running(), 0) << "no timer ticks before a click";
    // Both pictures of every pair stand visible until a first set; the
    // "0" and the unlit pictures are in front.
    EXPECT_TRUE(s.b2_1->shown());
    EXPECT_TRUE(s.e1->shown());
    EXPECT_FALSE(s.hr->shown()) << "the load puts the clock lamp out";
}

TEST_F(SerieScreen, ControlsStandAtTheirPlaces)
{
    Serie& s = open();
    EXPECT_EQ(s.client()->size(), QSize(658, 395));
    EXPECT_EQ(s.Picture1->geometry(), QRect(152, 64, 401, 233));
    EXPECT_EQ(s.mot->geometry(), QRect(80, 184, 57, 25));
    EXPECT_EQ(s.men->geometry(), QRect(152, 304, 83, 19));
    EXPECT_EQ(s.quitt->geometry(), QRect(240, 304, 83, 19));
    EXPECT_EQ(s.Label1->geometry(), QRect(48, 144, 97, 17));
    EXPECT_EQ(s.Label3->caption(), QStringLiteral("En cas d'erreur, faire une RAZ"));
    EXPECT_EQ(s.Label2->caption(), QStringLiteral("Puis validez avec Transfert - H - 4 fois."));
    EXPECT_EQ(s.Label4->caption(), QStringLiteral("de 4 bits 0 ou 1"));
    EXPECT_EQ(s.Label1->caption(), QStringLiteral("Entrez un mot"));
    EXPECT_EQ(s.b0_0->geometry(), QRect(304, 136, 16, 17));
    EXPECT_EQ(s.b3_1->geometry(), QRect(96, 136, 16, 17));
    EXPECT_EQ(s.s1->geometry(), QRect(368, 128, 12, 12));
    EXPECT_EQ(s.hr->geometry(), QRect(48, 192, 12, 12));
    EXPECT_EQ(s.razw->geometry(), QRect(48, 160, 12, 12));
    EXPECT_EQ(s.e0->geometry(), QRect(32, 128, 12, 12));
    EXPECT_EQ(s.Label6->geometry(), QRect(32, 192, 17, 17));
    EXPECT_EQ(s.Label5->geometry(), QRect(168, 88, 81, 25));
    EXPECT_EQ(s.mot->palette().color(QPalette::Text), QColor(0x00, 0x00, 0xFF));
    EXPECT_EQ(s.mot->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

// The window as the desktop shows it: placed, sizable without moving or
// scaling anything, without an icon, and with a menu bar of its own colour.
TEST_F(SerieScreen, WindowIsPlacedSizableWithoutIconAndKeepsAPlainMenuBar)
{
    Serie& s = open();
    EXPECT_EQ(s.client()->mapToGlobal(QPoint(0, 0)), QPoint(77, 102));
    EXPECT_TRUE(s.windowIcon().isNull());

    QMenuBar* bar = s.menuBar();
    const QPoint emptyBar(bar->width() - 10, bar->height() / 2);
    EXPECT_EQ(pixelAt(bar, emptyBar).name(), QApplication::palette().color(QPalette::Window).name())
        << "the window's light yellow is the client area's, not the menu bar's";

    const QRect box = s.mot->geometry();
    s.resize(s.width() + 150, s.height() + 120);
    EXPECT_EQ(s.mot->geometry(), box);
    EXPECT_EQ(s.Picture1->geometry(), QRect(152, 64, 401, 233));
    EXPECT_EQ(pixelAt(&s, QPoint(s.width() - 5, s.height() - 5)).name(), QStringLiteral("#ffffc0"));
}

TEST_F(SerieScreen, MenuBarHoldsFichierWithTwoItemsThenTwoEntriesThatAct)
{
    Serie& s = open();
    QStringList entries;
    for (QAction* action : s.menuBar()->actions())
        entries << action->text();
    EXPECT_EQ(entries, QStringList({"Fichier", "Aide", "à propos..."}));
    const QList<QAction*> actions = s.menuBar()->actions();
    ASSERT_EQ(actions.size(), 3);
    ASSERT_NE(actions[0]->menu(), nullptr);
    QStringList items;
    for (QAction* item : actions[0]->menu()->actions())
        items << item->text();
    EXPECT_EQ(items, QStringList({"Menu", "Quitter"}));
    EXPECT_EQ(actions[1]->menu(), nullptr);
    EXPECT_EQ(actions[2]->menu(), nullptr);
}

// Every text on the screen in its face, size, weight and colours.
TEST_F(SerieScreen, TextsHaveTheirFontsAndColours)
{
    Serie& s = open();
    const QColor yellow(0xFF, 0xFF, 0xC0), darkRed(0xC0, 0, 0), white(Qt::white);
    const struct {
        const char* name;
        QWidget* widget;
        int pixels;
        bool bold;
        QColor text;
        QColor back;
        QPalette::ColorRole textRole;
        QPalette::ColorRole backRole;
    } rows[] = {
        {"Label1", s.Label1, 11, false, darkRed, yellow, QPalette::WindowText, QPalette::Window},
        {"Label4", s.Label4, 11, false, darkRed, yellow, QPalette::WindowText, QPalette::Window},
        {"Label2", s.Label2, 11, false, darkRed, yellow, QPalette::WindowText, QPalette::Window},
        {"Label3", s.Label3, 11, false, QColor(0, 0, 0xC0), yellow, QPalette::WindowText,
         QPalette::Window},
        {"Label6", s.Label6, 13, true, QColor(0xFF, 0, 0), white, QPalette::WindowText,
         QPalette::Window},
        {"Label5", s.Label5, 16, true, QColor(0xFF, 0, 0), white, QPalette::WindowText,
         QPalette::Window},
        {"mot", s.mot, 18, false, QColor(0, 0, 0xFF), white, QPalette::Text, QPalette::Base},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        const QFont font = row.widget->font();
        EXPECT_EQ(font.family(), QStringLiteral("MS Sans Serif"));
        EXPECT_EQ(font.pixelSize(), row.pixels);
        EXPECT_EQ(font.bold(), row.bold);
        EXPECT_FALSE(font.italic());
        EXPECT_EQ(row.widget->palette().color(row.textRole), row.text);
        EXPECT_EQ(row.widget->palette().color(row.backRole), row.back);
    }
    for (QWidget* button : {static_cast<QWidget*>(s.men), static_cast<QWidget*>(s.quitt)})
        EXPECT_EQ(button->font().pixelSize(), 11);
    EXPECT_EQ(s.Label6->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(s.Label5->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
    EXPECT_EQ(s.Label1->alignment() & Qt::AlignHorizontal_Mask, Qt::AlignLeft);
}

// Each pair of pictures lies at one place on the diagram, at natural size.
TEST_F(SerieScreen, EveryPairOfPicturesSharesItsPlace)
{
    Serie& s = open();
    const struct {
        forms::Image* front;
        forms::Image* back;
        QRect place;
    } pairs[] = {
        {s.b0_0, s.b0_1, QRect(304, 136, 16, 17)}, {s.b1_0, s.b1_1, QRect(232, 136, 16, 17)},
        {s.b2_0, s.b2_1, QRect(168, 136, 16, 17)}, {s.b3_0, s.b3_1, QRect(96, 136, 16, 17)},
        {s.s0, s.s1, QRect(368, 128, 12, 12)},     {s.hw, s.hr, QRect(48, 192, 12, 12)},
        {s.razw, s.razr, QRect(48, 160, 12, 12)},  {s.e0, s.e1, QRect(32, 128, 12, 12)},
    };
    for (const auto& pair : pairs) {
        SCOPED_TRACE(pair.front->accessibleName().toStdString());
        EXPECT_EQ(pair.front->geometry(), pair.place);
        EXPECT_EQ(pair.back->geometry(), pair.place);
        EXPECT_EQ(pair.front->picture().size(), pair.place.size());
        EXPECT_EQ(pair.back->picture().size(), pair.place.size());
    }
}

// The front-to-back order inside the diagram: the labels above every
// picture, each cell's "0" above its "1", each unlit lamp above its lit one.
TEST_F(SerieScreen, FrontPicturesAreTheZeroAndUnlitOnes)
{
    Serie& s = open();
    const QObjectList& order = s.Picture1->inside()->children(); // back to front
    auto depth = [&order](QWidget* w) { return order.indexOf(w); };
    for (const auto& [front, back] : std::vector<std::pair<QWidget*, QWidget*>>{
             {s.b0_0, s.b0_1}, {s.b3_0, s.b3_1}, {s.e0, s.e1}, {s.s0, s.s1},
             {s.hw, s.hr}, {s.razw, s.razr}, {s.Label6, s.hw}, {s.Label5, s.b2_0}})
        EXPECT_GT(depth(front), depth(back)) << front->accessibleName().toStdString();
    EXPECT_EQ(s.Picture1->inside()->childAt(QPoint(53, 197)), s.hw);
    EXPECT_EQ(s.Picture1->inside()->childAt(QPoint(300 + 8, 136 + 8)), s.b0_0);
}

TEST_F(SerieScreen, TheUpArrowPointerStandsOverTheClickableLampsOnly)
{
    Serie& s = open();
    for (forms::Image* lamp : {s.hw, s.razw})
        EXPECT_EQ(lamp->cursor().shape(), Qt::UpArrowCursor);
    for (forms::Image* other : {s.hr, s.razr, s.e0, s.e1, s.s0, s.s1, s.b0_0, s.b3_1})
        EXPECT_FALSE(other->testAttribute(Qt::WA_SetCursor));
}

TEST_F(SerieScreen, ComingBackFromTheMainMenuShowsTheScreenAsLeft)
{
    Serie& s = open();
    click(s.razw);
    advance(400);
    type(QStringLiteral("1"));
    const std::string left = look();
    ASSERT_EQ(left, "0000 e0 s0 h0 r0 n= st= mot=1");
    for (bool byMenu : {false, true}) {
        if (byMenu)
            chooseMenu(s, QStringLiteral("Fichier"), QStringLiteral("Menu"));
        else
            click(s.men);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::Registre});
        click(screen<Registre>(ScreenId::Registre).Command1);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});
        // A second load would show "0" in the count and forget the change.
        EXPECT_EQ(look(), left);
        EXPECT_EQ(s.word->typedCount, 1);
    }
}

TEST_F(SerieScreen, AideAndAProposLeadAwayAndTheirOkBack)
{
    Serie& s = open();
    type(QStringLiteral("10"));
    const std::string left = look();

    chooseMenu(s, QStringLiteral("Aide"));
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::AideReg});
    click(screen<AideReg>(ScreenId::AideReg).Command1);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});
    EXPECT_EQ(look(), left);

    chooseMenu(s, QStringLiteral("à propos..."));
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Info});
    click(screen<Info>(ScreenId::Info).Command1);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});
    EXPECT_EQ(look(), left);
    EXPECT_EQ(s.word->typedCount, 2);
}

TEST_F(SerieScreen, BothQuittersAndTheCloseBoxEndTheProgramEvenDuringAnAnimation)
{
    Serie& s = open();
    click(s.hw);
    click(s.razw);
    click(s.quitt);
    EXPECT_EQ(programEnd.ended, 1);
    chooseMenu(s, QStringLiteral("Fichier"), QStringLiteral("Quitter"));
    EXPECT_EQ(programEnd.ended, 2);
    s.close();
    EXPECT_EQ(programEnd.ended, 3);
}

TEST_F(SerieScreen, PicturesAndLabelsWithoutActionIgnoreClicks)
{
    Serie& s = open();
    type(QStringLiteral("1011"));
    const std::string before = look();
    for (QWidget* target : std::initializer_list<QWidget*>{s.e0, s.s0, s.b0_0, s.b3_0, s.Label1,
                                                           s.Label3, s.Label5, s.Label6})
        click(target);
    clickClient(s, s.Picture1->geometry().topLeft() + QPoint(8, 8));
    advance(1000);
    EXPECT_EQ(look(), before);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});
    EXPECT_TRUE(messageBox.shown.isEmpty());

    // The lit pictures ignore clicks too: light the lamps and click them.
    pulses(4);
    const std::string loaded = look();
    ASSERT_EQ(loaded, "1011 e1 s1 h0 r0 n=4 st= mot= locked");
    for (QWidget* target : std::initializer_list<QWidget*>{s.e1, s.s1, s.b0_1, s.b3_1})
        click(target);
    advance(1000);
    EXPECT_EQ(look(), loaded);
}

TEST_F(SerieScreen, TheMainMenusAboutOkOpensTheTrainerFreshAndLoaded)
{
    start();
    chooseMenu(screen<Registre>(ScreenId::Registre), QStringLiteral("à propos"));
    click(screen<Info>(ScreenId::Info).Command1);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});
    EXPECT_EQ(look(), kFirstLook);
    EXPECT_EQ(serie().focusWidget(), serie().mot);
}

} // namespace
