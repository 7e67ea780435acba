#include "app/core/about/VersionCheck.h"

#include "app/core/text/Messages.h"
#include "app/core/text/Numbers.h"
#include "app/platform/CodePage.h"

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

namespace {

// Version texts are ASCII digits and ".".
std::u16string VersionText(int32_t version) { return AnsiToUtf16(FormatVersion(version), 0); }

}  // namespace

std::u16string VersionLabelText() {
  return MessageText(msgVersion) + u" " + VersionText(kVersionNumber);
}

VersionCheckResult VersionCheckResultFor(int32_t serverVersion) {
  VersionCheckResult result;
  result.newer = serverVersion > kVersionNumber;
  if (result.newer) {
    result.buttonText = u"Korvane Trelio " + MessageText(msgVersionAnnounce) + u" " +
                        VersionText(serverVersion) + u" " + MessageText(msgAvailable) + u"!";
  } else {
    result.statusText = u"Korvane Trelio " + MessageText(msgIsUpToDate) + u".";
  }
  return result;
}

}  // namespace trelio
