// "Browse next incompleted item": the search, the swap of the two windows and
// the preload of the row after the browsed one.
#include "app/core/browsing/BrowsingController.h"

#include <algorithm>

#include "app/core/page/ReferralUrl.h"

namespace trelio {
namespace {

bool Claimable(const FaucetItem& row) { return row[fHidden].empty() && row[fCompleted].empty(); }

}  // namespace

// Walks the list downwards from the selection, at most to the end twice: once
// from the start, once from the top. The selection itself is not moved.
int BrowsingController::FindQualifying(Search search) {
  const int count = view_.EntryCount();
  int pos = std::max(view_.SelectedPosition(), 0);
  // The row being browsed is not offered again at once.
  if (current_ == browsed_) ++pos;
  for (int passes = 2;;) {
    if (pos >= count) {
      --passes;
      if (search == Search::Browse) {
        // So that the browsed row cannot come up again in the second pass.
        CompleteCurrentItem();
        if (passes == 0) browsed_ = preloaded_ = nullptr;
      }
      if (passes == 0) return -1;
      pos = 0;
    }
    const FaucetItem* row = view_.EntryRow(pos);
    if (row && Claimable(*row) && (search == Search::Browse || (*row)[fInput] != "*")) return pos;
    ++pos;
  }
}

void BrowsingController::BrowseNextIncomplete() {
  StartPendingPreload();
  // Whose colours the command may change: the row left (completed), and the
  // browsed and preloaded rows before and after.
  const int startPosition = view_.SelectedPosition();
  const FaucetItem* const left = current_;
  const FaucetItem* const wasBrowsed = browsed_;
  const FaucetItem* const wasPreloaded = preloaded_;
  if (!current_ && view_.EntryCount() > 0) {
    view_.SelectPosition(0);
    SelectCurrentItem(true);
  }
  // The user has moved away from the browsed faucet: its preload goes too.
  if (current_ != browsed_) browsed_ = preloaded_ = nullptr;
  if (!current_) return;

  const int found = FindQualifying(Search::Browse);
  const int position = found >= 0 ? found : 0;
  view_.SelectPosition(position);
  SelectCurrentItem(true);
  std::optional<PageLoad> preload;
  if (found >= 0) {
    const bool swapped = BrowseFound();
    preload = Preload();
    if (preload && !swapped) {
      LoadPage(preload->window, preload->url, preload->coin);
      preload.reset();
    }
  }
  view_.SelectPosition(position);
  SelectCurrentItem(false);
  // A swap changes three rows; redrawing the whole list would cost as much
  // as the rest of it.
  RepaintRows({startPosition, position, preload ? preload->position : -1},
              {left, wasBrowsed, wasPreloaded, browsed_, preloaded_});
  if (!preload) return;
  // The swap shows a page that has loaded; the next one's loading waits until
  // that is on screen.
  pendingPreload_ = std::move(preload);
  const uint64_t ticket = ++preloadTicket_;
  view_.WhenOnScreen(ActiveBrowser(), [this, ticket] {
    if (ticket == preloadTicket_) StartPendingPreload();
  });
}

void BrowsingController::StartPendingPreload() {
  if (!pendingPreload_) return;
  const PageLoad load = std::move(*pendingPreload_);
  pendingPreload_.reset();
  LoadPage(load.window, load.url, load.coin);
}

bool BrowsingController::BrowseFound() {
  if (preloaded_ && preloaded_ == current_ && (*preloaded_)[fInput] != "*") {
    // It has been loading in the inactive window, which is shown now.
    browsed_ = preloaded_;
    preloaded_ = nullptr;
    activeIsFirst_ = !activeIsFirst_;
    ShowNavState();
    return true;
  }
  BrowseSelectedRow();
  return false;
}

std::optional<BrowsingController::PageLoad> BrowsingController::Preload() {
  const int found = FindQualifying(Search::Preload);
  if (found < 0) return std::nullopt;
  FaucetItem* row = view_.EntryRow(found);
  preloaded_ = row;
  return PageLoad{InactiveBrowser(), AddReferral((*row)[fUrl], currentReferral_),
                  std::string((*row)[fCurrency]), found};
}

}  // namespace trelio
