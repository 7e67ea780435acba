// Stand-in for the current user's registry: values live in an INI file in the
// per-user config folder, one section per key path, one INI key per value.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "app/platform/Outcome.h"

namespace trelio {

// configFolder + "/korvane-trelio/registry.ini"; configFolder is the per-user
// config folder ($XDG_CONFIG_HOME, else $HOME/.config).
std::string RegistryStorePath(std::string_view configFolder);

// Opens keyPath (created when missing) and sets the 32-bit integer value
// valueName; key paths and value names match without regard to case, as in the
// registry. Fails when the store cannot be written (no config folder, a value
// name the file cannot hold, an I/O failure); the stored values are then as
// before.
Outcome WriteRegistryInteger(std::string_view configFolder, std::string_view keyPath,
                             std::string_view valueName, int32_t value);

}  // namespace trelio
