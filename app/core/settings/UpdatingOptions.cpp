#include "app/core/settings/UpdatingOptions.h"

namespace trelio {
namespace {

// The rule once for stored integers and for check boxes. Stored values other
// than on and off are left as read.
template <typename T>
void Apply(T& with, T& hiding, T& clearing, UpdatingOption option, bool on, T onValue, T offValue) {
  const T value = on ? onValue : offValue;
  switch (option) {
    case UpdatingOption::withShowingHiddenItems:
      with = value;
      if (value == offValue) hiding = offValue;
      break;
    case UpdatingOption::hidingBeforeUpdating:
      hiding = value;
      if (value != onValue) break;
      if (with == offValue) with = onValue;
      if (clearing == onValue) clearing = offValue;
      break;
    case UpdatingOption::clearingBeforeUpdating:
      clearing = value;
      if (value == onValue && hiding == onValue) hiding = offValue;
      break;
  }
}

}  // namespace

void SetUpdatingOption(AppSettings& s, UpdatingOption option, bool on) {
  Apply<int32_t>(s.updatingWithShowingHiddenItems, s.hidingBeforeUpdating, s.clearingBeforeUpdating,
                 option, on, 1, 0);
}

void SetUpdatingOption(UpdatingChecks& c, UpdatingOption option, bool on) {
  Apply<bool>(c.withShowingHiddenItems, c.hidingBeforeUpdating, c.clearingBeforeUpdating, option,
              on, true, false);
}

}  // namespace trelio
