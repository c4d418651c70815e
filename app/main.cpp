// Tramelune: a teaching program for the 4-bit shift register.

#include "app/FormTable.h"
#include "app/Startup.h"
#include "forms/FormRegistry.h"
#include "forms/ProgramEnd.h"
#include "forms/QtClock.h"
#include "forms/QtMessageBox.h"
#include "navigation/FormId.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    prepareApplication(application);

    forms::QtClock clock;
    forms::QtMessageBox messageBox;
    forms::ProcessEnd programEnd;
    forms::FormRegistry forms(clock, messageBox, programEnd);
    defineForms(forms);

    forms.show(FormId::MainMenu);
    return QApplication::exec();
}
