// The "Updating options": "Hiding before updating" on needs "Updating with
// showing hidden items" on and "Clearing before updating" off.
#pragma once

#include "app/core/settings/AppSettings.h"

namespace trelio {

enum class UpdatingOption { withShowingHiddenItems, hidingBeforeUpdating, clearingBeforeUpdating };

// Sets one option to on (1) or off (0), then brings the others back into line.
void SetUpdatingOption(AppSettings& settings, UpdatingOption option, bool on);

// The three options as check boxes show them, before they become settings.
struct UpdatingChecks {
  bool withShowingHiddenItems = false;
  bool hidingBeforeUpdating = false;
  bool clearingBeforeUpdating = false;
  bool operator==(const UpdatingChecks&) const = default;
};

// The same rule for check boxes: one box has changed to on, the others are
// brought back into line.
void SetUpdatingOption(UpdatingChecks& checks, UpdatingOption option, bool on);

}  // namespace trelio
