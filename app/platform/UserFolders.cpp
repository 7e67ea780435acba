#include "app/platform/UserFolders.h"

#include <cstdlib>

namespace trelio {
namespace {

// Only absolute paths are usable; relative ones are ignored, as the XDG base
// directory rules say.
std::string AbsoluteFromEnv(const char* var) {
  const char* value = std::getenv(var);
  if (!value || value[0] != '/') return {};
  std::string path = value;
  while (path.size() > 1 && path.back() == '/') path.pop_back();
  return path;
}

std::string UserFolder(const char* xdgVar, const char* underHome) {
  std::string path = AbsoluteFromEnv(xdgVar);
  if (!path.empty()) return path;
  path = AbsoluteFromEnv("HOME");
  if (path.empty()) return {};
  if (path != "/") path += '/';
  return path + underHome;
}

}  // namespace

std::string AppDataFolder() { return UserFolder("XDG_DATA_HOME", ".local/share"); }

std::string UserConfigFolder() { return UserFolder("XDG_CONFIG_HOME", ".config"); }

}  // namespace trelio
