// Ending the process at once.

#include "forms/ProgramEnd.h"

#include <cstdio>
#include <cstdlib>

namespace forms {

void ProcessEnd::end()
{
    std::fflush(nullptr);
    std::_Exit(0);
}

} // namespace forms
