// The table of the program's windows: which class each id makes.

#include "app/ScreenTable.h"

#include "forms/ScreenRegistry.h"
#include "main_menu/AboutBox.h"
#include "main_menu/ComingSoonCard.h"
#include "main_menu/MainMenu.h"
#include "navigation/ScreenId.h"
#include "parallel/ParallelRegister.h"
#include "serial/SerialHelp.h"
#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelHelp.h"
#include "serial_parallel/SerialParallelTrainer.h"

namespace {

template <class T>
forms::ScreenRegistry::Factory factory()
{
    return [](forms::Services& services) { return std::make_unique<T>(services); };
}

} // namespace

void defineScreens(forms::ScreenRegistry& registry)
{
    registry.define(ScreenId::MainMenu, factory<MainMenu>());
    registry.define(ScreenId::AboutBox, factory<AboutBox>());
    registry.define(ScreenId::ComingSoonCard, factory<ComingSoonCard>());
    registry.define(ScreenId::SerialTrainer, factory<SerialTrainer>());
    registry.define(ScreenId::SerialHelp, factory<SerialHelp>());
    registry.define(ScreenId::SerialParallelTrainer, factory<SerialParallelTrainer>());
    registry.define(ScreenId::SerialParallelHelp, factory<SerialParallelHelp>());
    registry.define(ScreenId::ParallelRegister, factory<ParallelRegister>());
}
