// The about box's version check: the server's version.txt read as a number
// and the texts the box shows for it.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelio {

// The program's own version, in hundredths: 101 is version 1.01.
inline constexpr int32_t kVersionNumber = 101;

// The most of version.txt the check reads: the number is at its start, and
// no server may make the check hold more.
inline constexpr int64_t kVersionTextLimit = 4 << 10;

// The number at the start of the body: leading blanks, an optional sign,
// then decimal digits up to the first other character ("102\n" gives 102).
// No digits give 0; digits beyond the 32-bit range are not taken.
int32_t ReadServerVersion(std::string_view body);

// "version" + " " + the program's version text, for the version label. The
// texts for the screen are characters, message texts in the current language.
std::u16string VersionLabelText();

// What the box shows after a check that had an answer.
struct VersionCheckResult {
  bool newer = false;         // the server offers a newer version than ours
  std::u16string statusText;  // Label4 when !newer: "Korvane Trelio is up to date."
  std::u16string buttonText;  // SpeedButton3 when newer
};
VersionCheckResult VersionCheckResultFor(int32_t serverVersion);

// Appended to the status line when the check fails.
inline constexpr std::string_view kVersionCheckFailed = " failed";

// The status line before a check has answered.
inline constexpr std::string_view kCheckingForNewVersion = "Checking for new version...";

}  // namespace trelio
