#include "app/platform/RegistryStore.h"

#include <filesystem>
#include <stdexcept>
#include <system_error>

#include "app/platform/IniFile.h"

namespace trelio {
namespace {

void SetError(std::string* error, std::string text) {
  if (error) *error = std::move(text);
}

}  // namespace

std::string RegistryStorePath(std::string_view configFolder) {
  return std::string(configFolder) + "/korvane-trelio/registry.ini";
}

bool WriteRegistryInteger(std::string_view configFolder, std::string_view keyPath,
                          std::string_view valueName, int32_t value, std::string* error) {
  if (configFolder.empty()) {
    SetError(error, "Cannot write the registry value: the user's config folder is not known");
    return false;
  }
  const std::string path = RegistryStorePath(configFolder);
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  std::error_code ec;
  std::filesystem::create_directories(folder, ec);
  if (ec) {
    SetError(error, "Cannot create \"" + folder.string() + "\": " + ec.message());
    return false;
  }
  IniFile store = IniFile::Load(path);
  try {
    store.WriteInteger(keyPath, valueName, value);
  } catch (const std::invalid_argument& e) {
    SetError(error, e.what());
    return false;
  }
  return store.Flush(error);
}

}  // namespace trelio
