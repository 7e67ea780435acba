// Building the faucet list of one coin: which rows are listed, their order,
// the count text and the row selected again.
#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/core/index/FaucetItem.h"
#include "app/core/list/ListSortOptions.h"
#include "app/core/list/NameCollator.h"

namespace trelio {

// The "Url" last selected on each coin, by coin key.
using LastItemUrls = std::map<std::string, std::string, std::less<>>;

struct FaucetListRequest {
  // Empty: the caption of the active coin tab, lower-cased.
  std::string_view coinKey;
  std::string_view activeTabCaption;
  // The referral in use; kept when the key is not a coin key.
  std::string_view currentReferral;
  // The coin's effective referral, or none when the key is not a coin key.
  std::function<std::optional<std::string>(std::string_view coinKey)> coinReferral;
  const LastItemUrls* lastItemUrls = nullptr;
  // The show-hidden switch.
  bool showHidden = false;
  SortOptions sort;
};

struct FaucetList {
  std::string currentCoin;
  std::string currentReferral;
  // The listed rows in list order; each item's text is its row's "Name".
  std::vector<FaucetItem*> items;
  std::u16string sortDescription;
  std::u16string countText;
  // List positions whose "Url" is the coin's remembered one, in list order:
  // each is selected and made current in turn, the last one stays selected.
  std::vector<int> reselect;
};

// A row of the coin that is not removed ("Hidden" "-") and not hidden ("1")
// unless hidden rows are shown.
bool IsListed(const FaucetItem& row, std::string_view coinKey, bool showHidden);

// "12 items sorted in ...": the sort text only after more than one item.
std::u16string ListCountText(int count, std::u16string_view sortDescription);

FaucetList BuildFaucetList(FaucetIndex& index, const FaucetListRequest& request,
                           const NameCollator& collator = NameCollator::ForUser());

}  // namespace trelio
