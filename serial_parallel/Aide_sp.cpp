#include "Aide_sp.h"

Aide_sp::Aide_sp(forms::Services& services) : Screen(services)
{
    setWindowTitle(QStringLiteral("Aide_sp"));
    setClientArea(3000, 3000, forms::Border::Sizable);
}
