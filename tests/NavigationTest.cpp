// The main menu, the About box and the "à suivre" card: which windows each
// action leaves visible, and that windows come back as they were left.

#include "Info.h"
#include "Registre.h"
#include "Suite.h"
#include "support/ProgramFixture.h"

#include <QMenuBar>

using Screens = std::vector<ScreenId>;

class Navigation : public ProgramFixture {};

TEST_F(Navigation, StartsOnTheMainMenuAlone)
{
    start();
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Registre});
    EXPECT_FALSE(exists(ScreenId::Serie));
    EXPECT_FALSE(exists(ScreenId::sp));
}

TEST_F(Navigation, BothUnbuiltKindsOpenTheSameCardWhoseOkLeadsBack)
{
    start();
    auto& menu = screen<Registre>(ScreenId::Registre);
    for (QWidget* button : {static_cast<QWidget*>(menu.Command2), static_cast<QWidget*>(menu.Command4)}) {
        click(button);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::Suite});
        click(screen<Suite>(ScreenId::Suite).Command1);
        EXPECT_EQ(visibleScreens(), Screens{ScreenId::Registre});
    }
}

TEST_F(Navigation, QuitterEndsTheProgram)
{
    start();
    click(screen<Registre>(ScreenId::Registre).Command5);
    EXPECT_EQ(programEnd.ended, 1);
}

TEST_F(Navigation, MenuQuitterEndsTheProgram)
{
    start();
    chooseMenu(screen<Registre>(ScreenId::Registre), QStringLiteral("Fichier"), QStringLiteral("Quitter"));
    EXPECT_EQ(programEnd.ended, 1);
}

TEST_F(Navigation, AboutFromTheMainMenuLeadsToTheSerialTrainer)
{
    start();
    chooseMenu(screen<Registre>(ScreenId::Registre), QStringLiteral("à propos"));
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Info});
    click(screen<Info>(ScreenId::Info).Command1);
    EXPECT_EQ(visibleScreens(), Screens{ScreenId::Serie});
}
