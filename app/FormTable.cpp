// The table of the program's windows: which class each id makes.

#include "app/FormTable.h"

#include "forms/FormRegistry.h"
#include "main_menu/AboutBox.h"
#include "main_menu/ComingSoonCard.h"
#include "main_menu/MainMenu.h"
#include "navigation/FormId.h"
#include "parallel/ParallelRegister.h"
#include "serial/SerialHelp.h"
#include "serial/SerialTrainer.h"
#include "serial_parallel/SerialParallelHelp.h"
#include "serial_parallel/SerialParallelTrainer.h"

namespace {

template<class T>
forms::FormRegistry::Factory factory()
{
    return [](forms::Services &services) { return std::make_unique<T>(services); };
}

} // namespace

void defineForms(forms::FormRegistry &registry)
{
    registry.define(FormId::MainMenu, factory<MainMenu>());
    registry.define(FormId::AboutBox, factory<AboutBox>());
    registry.define(FormId::ComingSoonCard, factory<ComingSoonCard>());
    registry.define(FormId::SerialTrainer, factory<SerialTrainer>());
    registry.define(FormId::SerialHelp, factory<SerialHelp>());
    registry.define(FormId::SerialParallelTrainer, factory<SerialParallelTrainer>());
    registry.define(FormId::SerialParallelHelp, factory<SerialParallelHelp>());
    registry.define(FormId::ParallelRegister, factory<ParallelRegister>());
}
