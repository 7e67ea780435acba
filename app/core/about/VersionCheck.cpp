#include "app/core/about/VersionCheck.h"

#include "app/core/text/Messages.h"
#include "app/core/text/Numbers.h"

namespace trelio {

int32_t ReadServerVersion(std::string_view body) {
  size_t i = 0;
  while (i < body.size() && (body[i] == ' ' || body[i] == '\t')) ++i;
  bool negative = false;
  if (i < body.size() && (body[i] == '+' || body[i] == '-')) negative = body[i++] == '-';
  int64_t value = 0;
  for (; i < body.size() && body[i] >= '0' && body[i] <= '9'; ++i) {
    const int64_t next = value * 10 + (body[i] - '0');
    if (next > INT32_MAX) break;
    value = next;
  }
  return static_cast<int32_t>(negative ? -value : value);
}

std::string VersionLabelText() {
  return LoadResString(msgVersion) + " " + FormatVersion(kVersionNumber);
}

VersionCheckResult VersionCheckResultFor(int32_t serverVersion) {
  VersionCheckResult result;
  result.newer = serverVersion > kVersionNumber;
  if (result.newer) {
    result.buttonText = "Korvane Trelio " + LoadResString(msgVersionAnnounce) + " " +
                        FormatVersion(serverVersion) + " " + LoadResString(msgAvailable) + "!";
  } else {
    result.statusText = "Korvane Trelio " + LoadResString(msgIsUpToDate) + ".";
  }
  return result;
}

}  // namespace trelio
