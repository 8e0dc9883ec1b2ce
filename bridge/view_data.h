#pragma once
#include "data/app_config.h"
#include "data/data_paths.h"
#include "data/hardware_definition.h"
#include "data/language_packs.h"
#include "data/macro_library.h"
#include "data/profile_stores.h"


// The stored data the view keeps open, built in the order the view needs:
// the limits from HWDef.bin, the application configuration, then one store
// per profile.
struct ViewData
{
    explicit ViewData(MacroDevicePort macroPort)
        : limits(hardware.readLimits()),
          apConfig(paths),
          profiles(paths, limits.maxProfile),
          macros(paths, std::move(macroPort)),
          languages(paths)
    {
    }

    DataPaths paths;
    HardwareDefinition hardware{paths};
    HardwareLimits limits;
    AppConfig apConfig;
    ProfileStores profiles;
    MacroLibrary macros;
    // Keeps the message texts of the pack loaded last.
    LanguagePacks languages;
};
