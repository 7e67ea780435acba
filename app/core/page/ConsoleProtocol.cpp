#include "app/core/page/ConsoleProtocol.h"

namespace trelio {

std::optional<ConsoleReport> ParseConsoleLine(std::string_view line) {
  // Marker, kind letter, two separators.
  constexpr size_t kValueStart = kConsoleMarker.size() + 3;
  if (line.size() <= kValueStart || line.substr(0, kConsoleMarker.size()) != kConsoleMarker)
    return std::nullopt;
  const char kind = line[kConsoleMarker.size()];
  if (kind != char(ConsoleKind::Title) && kind != char(ConsoleKind::Interval) &&
      kind != char(ConsoleKind::InputField))
    return std::nullopt;
  return ConsoleReport{ConsoleKind(kind), std::string(line.substr(kValueStart))};
}

}  // namespace trelio
