#include "app/core/list/ListSortOptions.h"

#include "app/core/text/Messages.h"

namespace trelio {

int32_t SortKindFromChecked(const std::array<bool, 6>& checked) {
  for (int i = 0; i < 6; ++i)
    if (checked[i]) return i + 1;
  return 0;
}

std::u16string SortDescription(const SortOptions& options) {
  // Per kind 1 to 6: the descending text; the ascending one follows it.
  static constexpr MessageId kDescending[] = {
      msgSortedDescInterval,   msgSortedDescAlphabetical,  msgSortedDescTotalPayout,
      msgSortedDescLastPayout, msgSortedDescMovingAverage, msgSortedDescAveragePayout,
  };
  const int kind = options.Kind();
  if (kind == 0) return {};
  const int id = kDescending[kind - 1] + (options.Descending() ? 0 : 1);
  return MessageText(uint16_t(id));
}

}  // namespace trelio
