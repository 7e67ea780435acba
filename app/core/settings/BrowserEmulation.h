// The registry value that each start writes for the embedded browser.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/platform/Outcome.h"

namespace trelio {

inline constexpr std::string_view kBrowserEmulationKeyPath =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

// Sets the value named after the executable's file name (no folder) under
// kBrowserEmulationKeyPath in the registry store of configFolder.
Outcome WriteBrowserEmulation(std::string_view configFolder, std::string_view executablePath,
                              int32_t value);

}  // namespace trelio
