#include "app/core/list/FaucetList.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "app/core/list/ListOrder.h"
#include "app/core/list/PluralWord.h"
#include "app/core/text/Messages.h"
#include "app/platform/CodePage.h"

namespace trelio {

bool IsListed(const FaucetItem& row, std::string_view coinKey, bool showHidden) {
  return row[fCurrency] == coinKey && row[fHidden] != "-" && (showHidden || row[fHidden] != "1");
}

std::u16string ListCountText(int count, std::u16string_view sortDescription) {
  std::u16string text = AnsiToUtf16(std::to_string(count), 0) + u" " +
                        PluralWord(count, MessageText(msgItem), MessageText(msgItemsPlural),
                                   MessageText(msgItemsPlural2));
  if (count > 1) {
    text += u' ';
    text += sortDescription;
  }
  return text;
}

FaucetList BuildFaucetList(FaucetIndex& index, const FaucetListRequest& request,
                           const NameCollator& collator) {
  FaucetList list;
  list.currentCoin = request.coinKey.empty()
                         ? AnsiLowerCase(request.activeTabCaption, SystemAnsiCodePage())
                         : std::string(request.coinKey);
  list.currentReferral = std::string(request.currentReferral);
  std::string_view remembered;
  if (std::optional<std::string> referral =
          request.coinReferral ? request.coinReferral(list.currentCoin) : std::nullopt) {
    list.currentReferral = std::move(*referral);
    if (request.lastItemUrls) {
      const auto it = request.lastItemUrls->find(list.currentCoin);
      if (it != request.lastItemUrls->end()) remembered = it->second;
    }
  }
  list.sortDescription = SortDescription(request.sort);

  std::vector<ListSortKey> keys;
  const std::vector<int>& coinRows = std::as_const(index).RowsOfCoin(list.currentCoin);
  keys.reserve(coinRows.size());
  for (const int r : coinRows) {
    FaucetItem& row = index.Row(r);
    if (IsListed(row, list.currentCoin, request.showHidden))
      keys.push_back(MakeListSortKey(row, request.sort, collator));
  }
  std::vector<uint64_t> prefixes;
  prefixes.reserve(keys.size());
  for (const ListSortKey& key : keys) prefixes.push_back(ListSortPrefix(key, request.sort));
  std::vector<size_t> order(keys.size());
  std::iota(order.begin(), order.end(), size_t(0));
  std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
    if (prefixes[a] != prefixes[b]) return prefixes[a] < prefixes[b];
    return CompareListItems(keys[a], keys[b], request.sort) < 0;
  });

  list.items.reserve(order.size());
  for (size_t i : order) list.items.push_back(keys[i].row);
  list.countText = ListCountText(int(list.items.size()), list.sortDescription);
  for (size_t i = 0; i < list.items.size(); ++i)
    if ((*list.items[i])[fUrl] == remembered) list.reselect.push_back(int(i));
  return list;
}

}  // namespace trelio
