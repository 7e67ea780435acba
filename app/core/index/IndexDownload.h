// What an index body must be before it is stored or merged, and the words for
// the failures of the index download.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/core/text/Messages.h"
#include "app/platform/HttpClient.h"

namespace trelio {

// Goes between a download's error text and the status text it is put in
// front of.
inline constexpr std::string_view kDownloadErrorSeparator = " | ";

// Why a body is not taken as an index.
enum class IndexBodyRefusal {
  none,
  webPage,     // a sign-in or error page in place of the index
  notAnIndex,  // anything else that does not begin with the index's header
};

// An index file begins with its header line, and the merge takes the first
// five columns by position: the body is an index only when its first line
// names them ("Currency;Name;Url;Interval;Input", then any more), as the
// program's own index, its full export and its five-field export do. Without
// this, an empty body or a one-line answer such as a maintenance notice merged
// with "Clearing before updating" on would remove every unlocked faucet, and
// any other bytes would become rows. A UTF-8 byte-order mark is allowed.
IndexBodyRefusal CheckIndexBody(std::string_view body);

// The message for a refused body; none for IndexBodyRefusal::none.
std::optional<MessageId> IndexBodyRefusalMessage(IndexBodyRefusal refusal);

// A failure of the download as the status bar shows it: one of the program's
// messages, or else the words of the HTTP library or the operating system.
struct DownloadFailure {
  std::optional<MessageId> message;
  std::string systemText;  // in the locale's encoding; when there is no message

  bool failed() const { return message.has_value() || !systemText.empty(); }
};

// The failure of a transfer of the index (none when it succeeded): an answer
// past a limit in the program's words, anything else in the library's.
DownloadFailure IndexTransferFailure(const HttpResult& result);

}  // namespace trelio
