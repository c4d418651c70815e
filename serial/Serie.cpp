#include "Serie.h"

Serie::Serie(forms::Services& services) : Screen(services)
{
    setWindowTitle(QStringLiteral("Serie"));
    setClientArea(3000, 3000, forms::Border::Sizable);
}
