#include "app/core/claim/ClaimState.h"

#include <utility>
#include <vector>

#include "app/core/text/Messages.h"
#include "app/core/text/Numbers.h"
#include "app/core/text/TextSplit.h"
#include "app/platform/CodePage.h"

namespace trelio {
namespace {

// Stored times are unsigned 32-bit seconds; anything else counts 0.
int64_t TimestampOf(const FaucetItem& item) {
  const WholeNumber n = ReadWholeNumber(item[fTimestamp], 0, UINT32_MAX);
  return n.ok ? n.value : 0;
}

// Seconds of a minutes text. Sums are taken in 64 bits so that a huge
// interval cannot wrap around into an early expiry.
int64_t SecondsOfMinutes(std::string_view minutes) { return int64_t(IntOrZero(minutes)) * 60; }

}  // namespace

CompletionDecision CompleteItem(FaucetItem& item, uint32_t now,
                                std::optional<std::string_view> mainFrameUrl,
                                std::string_view pageKey) {
  CompletionDecision d;
  if (!item[fHidden].empty() || !item[fCompleted].empty()) return d;
  item.Edit(fTimestamp) = std::to_string(now);
  item.Edit(fCompleted).assign(1, '1');  // not = "1": GCC 12 warns falsely (-Wrestrict)
  d.completed = true;
  if (item[fInput] == "*") return d;
  d.requestPageText =
      mainFrameUrl && !pageKey.empty() && mainFrameUrl->find(pageKey) != std::string_view::npos;
  return d;
}

void MakeIncompleted(FaucetItem& item) {
  item.Edit(fTimestamp).clear();
  item.Edit(fCompleted).clear();
}

void ExpireCompletedItems(FaucetIndex& index, std::string_view noPayIntervals, uint32_t now) {
  const std::vector<std::string> pieces = SplitText(",", noPayIntervals);
  for (int r = 1; r < index.RowCount(); ++r) {
    // Read through a const row: looking is no edit of the index.
    const FaucetItem& item = std::as_const(index).Row(r);
    if (!item[fHidden].empty() || item[fCompleted] != "1") continue;
    std::string_view minutes;
    if (!item[fNoPay].empty()) {
      const int64_t k = ReadWholeNumber(item[fNoPay]).value;
      if (k > 0 && k <= int64_t(pieces.size())) minutes = pieces[k - 1];
    }
    if (minutes.empty()) minutes = item[fInterval];
    if (TimestampOf(item) + SecondsOfMinutes(minutes) < int64_t(now)) MakeIncompleted(index.Row(r));
  }
}

std::u16string ItemWaitText(const FaucetItem& item, uint32_t now) {
  // The name is index text in the system code page.
  std::u16string text = AnsiToUtf16(item[fName], 0);
  const int64_t end = TimestampOf(item) + SecondsOfMinutes(item[fInterval]);
  if (end >= int64_t(now) && item[fHidden].empty()) {
    const int64_t minutes = (end - int64_t(now)) / 60 + 1;
    text += u" (" + MessageText(msgWait) + u" " + AnsiToUtf16(std::to_string(minutes), 0) + u" " +
            MessageText(msgMin) + u")";
  }
  return text;
}

}  // namespace trelio
