#include "sp.h"

sp::sp(forms::Services& services) : Screen(services)
{
    setWindowTitle(QStringLiteral("sp"));
    setClientArea(3000, 3000, forms::Border::Sizable);
}
