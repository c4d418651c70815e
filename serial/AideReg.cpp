#include "AideReg.h"

AideReg::AideReg(forms::Services& services) : Screen(services)
{
    setWindowTitle(QStringLiteral("AideReg"));
    setClientArea(3000, 3000, forms::Border::Sizable);
}
