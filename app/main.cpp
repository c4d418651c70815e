// Tramelune: a teaching program for the 4-bit shift register.

#include "app/ScreenTable.h"
#include "app/Startup.h"
#include "forms/ProgramEnd.h"
#include "forms/QtClock.h"
#include "forms/QtMessageBox.h"
#include "forms/ScreenRegistry.h"
#include "navigation/ScreenId.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);

    forms::QtClock clock;
    forms::QtMessageBox messageBox;
    forms::ProcessEnd programEnd;
    forms::ScreenRegistry screens(clock, messageBox, programEnd);
    defineScreens(screens);

    screens.show(ScreenId::MainMenu);
    return QApplication::exec();
}
