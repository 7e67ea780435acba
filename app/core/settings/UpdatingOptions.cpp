#include "app/core/settings/UpdatingOptions.h"

namespace trelio {

void SetUpdatingOption(AppSettings& s, UpdatingOption option, bool on) {
  const int32_t value = on ? 1 : 0;
  switch (option) {
    case UpdatingOption::withShowingHiddenItems:
      s.updatingWithShowingHiddenItems = value;
      if (value == 0) s.hidingBeforeUpdating = 0;
      break;
    case UpdatingOption::hidingBeforeUpdating:
      s.hidingBeforeUpdating = value;
      if (value != 1) break;
      // Other stored values than 0 and 1 are left as read.
      if (s.updatingWithShowingHiddenItems == 0) s.updatingWithShowingHiddenItems = 1;
      if (s.clearingBeforeUpdating == 1) s.clearingBeforeUpdating = 0;
      break;
    case UpdatingOption::clearingBeforeUpdating:
      s.clearingBeforeUpdating = value;
      if (value == 1 && s.hidingBeforeUpdating == 1) s.hidingBeforeUpdating = 0;
      break;
  }
}

}  // namespace trelio
