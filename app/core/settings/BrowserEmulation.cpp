#include "app/core/settings/BrowserEmulation.h"

#include "app/platform/RegistryStore.h"

namespace trelio {

Outcome WriteBrowserEmulation(std::string_view configFolder, std::string_view executablePath,
                              int32_t value) {
  const size_t slash = executablePath.rfind('/');
  const std::string_view fileName =
      slash == std::string_view::npos ? executablePath : executablePath.substr(slash + 1);
  return WriteRegistryInteger(configFolder, kBrowserEmulationKeyPath, fileName, value);
}

}  // namespace trelio
