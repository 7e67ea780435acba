// The per-user folders of the desktop: application data and configuration.
#pragma once

#include <string>

namespace trelio {

// $XDG_DATA_HOME, else $HOME/.local/share; empty when neither is usable.
// Without a trailing "/". The folder is not created.
std::string AppDataFolder();

// $XDG_CONFIG_HOME, else $HOME/.config; empty when neither is usable.
std::string UserConfigFolder();

}  // namespace trelio
