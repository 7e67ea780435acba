#include <gtest/gtest.h>

#include "app/core/settings/UpdatingOptions.h"

namespace trelio {
namespace {

struct Options {
  int32_t with, hiding, clearing;
};

TEST(UpdatingOptionsRulesTest, HidingNeedsShowingAndNoClearing) {
  using O = UpdatingOption;
  struct Case {
    Options before;
    O option;
    bool on;
    Options after;
  } const cases[] = {
      {{0, 0, 1}, O::hidingBeforeUpdating, true, {1, 1, 0}},
      {{1, 0, 0}, O::hidingBeforeUpdating, true, {1, 1, 0}},
      {{0, 0, 1}, O::hidingBeforeUpdating, false, {0, 0, 1}},
      {{1, 1, 0}, O::withShowingHiddenItems, false, {0, 0, 0}},
      {{0, 0, 0}, O::withShowingHiddenItems, true, {1, 0, 0}},
      {{1, 1, 0}, O::clearingBeforeUpdating, true, {1, 0, 1}},
      {{1, 0, 1}, O::clearingBeforeUpdating, false, {1, 0, 0}},
      // A stored value other than 0 or 1 is neither forced on nor cleared.
      {{2, 0, 2}, O::hidingBeforeUpdating, true, {2, 1, 2}},
  };
  for (const Case& c : cases) {
    AppSettings s;
    s.updatingWithShowingHiddenItems = c.before.with;
    s.hidingBeforeUpdating = c.before.hiding;
    s.clearingBeforeUpdating = c.before.clearing;
    SetUpdatingOption(s, c.option, c.on);
    const int n = int(&c - cases);
    EXPECT_EQ(s.updatingWithShowingHiddenItems, c.after.with) << n;
    EXPECT_EQ(s.hidingBeforeUpdating, c.after.hiding) << n;
    EXPECT_EQ(s.clearingBeforeUpdating, c.after.clearing) << n;
  }
}

}  // namespace
}  // namespace trelio
