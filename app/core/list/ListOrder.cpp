#include "app/core/list/ListOrder.h"

#include "app/core/text/Numbers.h"

namespace trelio {
namespace {

// Penalties lift a row by whole multiples of 65536 so that the groups stay
// apart: hidden 100 (only when kept below), no pay 50, not a favourite 10.
int32_t Penalty(const FaucetItem& row, const SortOptions& options) {
  int32_t p = 0;
  if (options.HiddenBelow() && !row[fHidden].empty()) p += 100;
  if (!row[fNoPay].empty()) p += 50;
  return p;
}

int32_t FavouritePenalty(const FaucetItem& row) { return row[fFavorite].empty() ? 10 : 0; }

// The field a payout kind sorts by; kinds without one sort by "0".
long double PayoutValue(const FaucetItem& row, int kind) {
  const std::optional<FaucetField> field = PayoutSortField(kind);
  return field ? DecimalOrZero(row[*field]) : 0;
}

// 32-bit signed sum that wraps like the machine arithmetic it stands for.
int32_t WrappingAdd(int32_t a, int32_t b) { return int32_t(uint32_t(a) + uint32_t(b)); }

template <typename T>
int Order(const T& a, const T& b) {
  return a < b ? -1 : (b < a ? 1 : 0);
}

}  // namespace

std::optional<FaucetField> PayoutSortField(int sortKind) {
  switch (sortKind) {
    case 3:
      return fTotalPayout;
    case 4:
      return fLastPayout;
    case 5:
      return fMovingAveragePayout;
    case 6:
      return fAveragePayout;
    default:
      return std::nullopt;
  }
}

int32_t ListIntegerField(std::string_view text) {
  const WholeNumber n = ReadWholeNumber(text);
  if (n.ok) return int32_t(n.value);
  return int32_t(uint32_t(n.value < 0 ? -n.value : n.value));
}

ListSortKey MakeListSortKey(FaucetItem& item, const SortOptions& options,
                            const NameCollator& collator) {
  ListSortKey key;
  key.row = &item;
  const FaucetItem& row = item;  // read only: no edit of the index
  key.position = ListIntegerField(row[fPosition]);
  const int32_t penalty = Penalty(row, options);
  const int32_t favourite = FavouritePenalty(row);
  const int32_t shift = (penalty + favourite) * (options.Descending() ? -65536 : 65536);
  switch (const int kind = options.Kind()) {
    case 0:
      key.wholeKey = WrappingAdd(key.position, shift);
      break;
    case 1:
      key.wholeKey = WrappingAdd(ListIntegerField(row[fInterval]), shift);
      break;
    case 2:
      key.group = (options.HiddenBelow() && penalty > 0 ? 2 : 0) + (favourite > 0 ? 1 : 0);
      key.nameKey = collator.SortKey(row[fName]);
      break;
    default:
      key.valueKey = PayoutValue(row, kind) + static_cast<long double>(shift);
      break;
  }
  return key;
}

int CompareListItems(const ListSortKey& a, const ListSortKey& b, const SortOptions& options) {
  const int direction = options.Descending() ? -1 : 1;
  switch (const int kind = options.Kind()) {
    case 0:
      return direction * Order(a.wholeKey, b.wholeKey);
    case 2:
      // The groups keep their order in both directions; names reverse.
      if (a.group != b.group) return Order(a.group, b.group);
      return direction * Order(a.nameKey, b.nameKey);
    default: {
      const int byKey = kind == 1 ? Order(a.wholeKey, b.wholeKey) : Order(a.valueKey, b.valueKey);
      return direction * (byKey != 0 ? byKey : Order(a.position, b.position));
    }
  }
}

uint64_t ListSortPrefix(const ListSortKey& key, const SortOptions& options) {
  const bool descending = options.Descending();
  switch (options.Kind()) {
    case 0: {
      // The signed key moved into unsigned order.
      const uint64_t whole = uint32_t(key.wholeKey) ^ 0x80000000u;
      return descending ? ~whole : whole;
    }
    case 2: {
      // The group, then the first seven bytes of the name's key: a shorter
      // key is padded with zero bytes, which no key holds, so it stays first.
      uint64_t name = 0;
      for (size_t i = 0; i < 7; ++i)
        name = name << 8 | (i < key.nameKey.size() ? uint8_t(key.nameKey[i]) : 0);
      if (descending) name = ~name & 0x00FFFFFFFFFFFFFFu;
      return uint64_t(uint8_t(key.group)) << 56 | name;
    }
    default:
      return 0;
  }
}

}  // namespace trelio
