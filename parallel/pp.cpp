#include "pp.h"

pp::pp(forms::Services& services) : Screen(services)
{
    setWindowTitle(QStringLiteral("pp"));
    setClientArea(3000, 3000, forms::Border::Sizable);
}
