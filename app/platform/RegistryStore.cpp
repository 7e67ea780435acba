#include "app/platform/RegistryStore.h"

#include <filesystem>
#include <system_error>

#include "app/platform/IniFile.h"

namespace trelio {

std::string RegistryStorePath(std::string_view configFolder) {
  return std::string(configFolder) + "/korvane-trelio/registry.ini";
}

Outcome WriteRegistryInteger(std::string_view configFolder, std::string_view keyPath,
                             std::string_view valueName, int32_t value) {
  if (configFolder.empty())
    return {"Cannot write the registry value: the user's config folder is not known", std::nullopt};
  const std::string path = RegistryStorePath(configFolder);
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) return {{}, FileFailure{FileStep::kCreateFolder, folder.string(), ec.value()}};
  IniFile store = IniFile::Load(path);
  store.WriteInteger(keyPath, valueName, value);
  return store.Flush();
}

}  // namespace trelio
