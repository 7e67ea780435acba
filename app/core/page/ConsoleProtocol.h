// The console lines by which the page scripts report back to the program.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace trelio {

// The marker that starts every line of the protocol.
inline constexpr std::string_view kConsoleMarker = "KorvaneTrelio#";

enum class ConsoleKind : char {
  Title = 'T',       // the page title, for the item's name
  Interval = 'I',    // the detected interval in minutes
  InputField = 'N',  // the address input field chosen automatically
};

struct ConsoleReport {
  ConsoleKind kind;
  std::string value;
};

// The marker, one kind letter, two separator characters of any kind, then a
// value of at least one character. Any other line is none of ours. The line
// is in the ANSI code page, one byte per character as Utf16ToAnsi gives it.
std::optional<ConsoleReport> ParseConsoleLine(std::string_view line);

}  // namespace trelio
