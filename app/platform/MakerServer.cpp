#include "app/platform/MakerServer.h"

#include <cstdlib>

namespace trelio {

std::string MakerServerHost() {
  const char* value = std::getenv(kMakerServerVariable);
  std::string_view host = value ? value : "";
  // Lenient about what people paste: blanks, a scheme, a closing "/".
  while (!host.empty() && (host.front() == ' ' || host.front() == '\t')) host.remove_prefix(1);
  if (host.starts_with("http://")) host.remove_prefix(7);
  while (!host.empty() && (host.back() == ' ' || host.back() == '\t' || host.back() == '/')) {
    host.remove_suffix(1);
  }
  if (host.empty()) return kMakerServerHost;
  return std::string(host);
}

std::string HttpUrl(std::string_view host, std::string_view path) {
  std::string url = "http://";
  url += host;
  url += path;
  return url;
}

std::string MakerServerUrl(std::string_view path) { return HttpUrl(MakerServerHost(), path); }

std::string ServerIndexUrl() { return MakerServerUrl("/trelio/index.csv"); }

std::string ServerVersionUrl() { return MakerServerUrl("/trelio/version.txt"); }

}  // namespace trelio
