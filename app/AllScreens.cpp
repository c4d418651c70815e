#include "AllScreens.h"

#include "Info.h"
#include "Registre.h"
#include "Suite.h"
#include "forms/ScreenRegistry.h"
#include "parallel/pp.h"
#include "serial/AideReg.h"
#include "serial/Serie.h"
#include "serial_parallel/Aide_sp.h"
#include "serial_parallel/sp.h"

namespace {

template <class T>
forms::ScreenRegistry::Factory factory()
{
    return [](forms::Services& services) { return std::make_unique<T>(services); };
}

} // namespace

void defineAllScreens(forms::ScreenRegistry& registry)
{
    registry.define(ScreenId::Registre, factory<Registre>());
    registry.define(ScreenId::Info, factory<Info>());
    registry.define(ScreenId::Suite, factory<Suite>());
    registry.define(ScreenId::Serie, factory<Serie>());
    registry.define(ScreenId::AideReg, factory<AideReg>());
    registry.define(ScreenId::sp, factory<sp>());
    registry.define(ScreenId::Aide_sp, factory<Aide_sp>());
    registry.define(ScreenId::pp, factory<pp>());
}
