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

TEST(UpdatingOptionsRulesTest, CheckBoxesFollowTheSameRule) {
  using O = UpdatingOption;
  using C = UpdatingChecks;
  struct Case {
    C before;
    O option;
    bool on;
    C after;
  } const cases[] = {
      {{false, false, true}, O::hidingBeforeUpdating, true, {true, true, false}},
      {{true, true, false}, O::hidingBeforeUpdating, false, {true, false, false}},
      {{true, true, false}, O::withShowingHiddenItems, false, {false, false, false}},
      {{false, false, false}, O::withShowingHiddenItems, true, {true, false, false}},
      {{true, true, false}, O::clearingBeforeUpdating, true, {true, false, true}},
      {{true, false, true}, O::clearingBeforeUpdating, false, {true, false, false}},
  };
  for (const Case& c : cases) {
    C checks = c.before;
    SetUpdatingOption(checks, c.option, c.on);
    EXPECT_EQ(checks, c.after) << int(&c - cases);
  }
}

}  // namespace
}  // namespace trelio
