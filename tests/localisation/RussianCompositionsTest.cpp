// The texts the program composes from several message texts, made from the
// Russian of the built module: each must read as Russian for every count.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/core/about/VersionCheck.h"
#include "app/core/claim/ClaimState.h"
#include "app/core/index/FaucetItem.h"
#include "app/core/list/FaucetList.h"
#include "app/core/list/ListSortOptions.h"
#include "app/core/list/PluralWord.h"
#include "app/core/text/Messages.h"
#include "app/platform/CodePage.h"
#include "localisation/LcUnit.h"

namespace trelio {
namespace {

// The counts whose Russian word forms differ: every form and every exception
// of the teens, in the first and in a later hundred.
std::vector<int> Counts() {
  std::vector<int> counts;
  for (int n = 0; n <= 30; ++n) counts.push_back(n);
  for (int n : {101, 111, 121}) counts.push_back(n);
  return counts;
}

// Written out, not computed: "1 кран", "2 крана", "5 кранов".
std::u16string CountWord(int n, std::u16string_view one, std::u16string_view few,
                         std::u16string_view many) {
  static const std::vector<int> kOne = {1, 21, 101, 121};
  static const std::vector<int> kFew = {2, 3, 4, 22, 23, 24};
  if (std::find(kOne.begin(), kOne.end(), n) != kOne.end()) return std::u16string(one);
  if (std::find(kFew.begin(), kFew.end(), n) != kFew.end()) return std::u16string(few);
  return std::u16string(many);
}

std::u16string Number(int n) { return AnsiToUtf16(std::to_string(n), 0); }

class RussianCompositions : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_EQ(LcLoadLanguage(KT_LANGUAGE_MODULE, 1049, nullptr, 0), 1); }
  void TearDown() override { LcReleaseLanguage(); }
};

// The count of the list and the sort order after it: the sort text names the
// order by itself, so it fits every form of the word before it.
TEST_F(RussianCompositions, ListCountAndSortOrder) {
  const std::pair<SortOptions, std::u16string> orders[] = {
      {{1, 1}, u" — сортировка по убыванию интервала"},
      {{1, 0}, u" — сортировка по возрастанию интервала"},
      {{2, 1}, u" — сортировка в обратном алфавитном порядке"},
      {{2, 0}, u" — сортировка по алфавиту"},
      {{3, 1}, u" — сортировка по убыванию общей выплаты"},
      {{3, 0}, u" — сортировка по возрастанию общей выплаты"},
      {{4, 1}, u" — сортировка по убыванию последней выплаты"},
      {{4, 0}, u" — сортировка по возрастанию последней выплаты"},
      {{5, 1}, u" — сортировка по убыванию скользящей средней выплаты"},
      {{5, 0}, u" — сортировка по возрастанию скользящей средней выплаты"},
      {{6, 1}, u" — сортировка по убыванию средней выплаты"},
      {{6, 0}, u" — сортировка по возрастанию средней выплаты"},
      {{0, 1}, u" "},
  };
  for (const auto& [options, order] : orders) {
    for (int n : Counts()) {
      std::u16string want = Number(n) + u" " + CountWord(n, u"кран", u"крана", u"кранов");
      if (n > 1) want += order;
      EXPECT_EQ(ListCountText(n, SortDescription(options)), want)
          << n << " kind " << options.sortKind << " descending " << options.sortDescending;
    }
  }
}

// A completed faucet with that many minutes still to wait.
TEST_F(RussianCompositions, WaitState) {
  const uint32_t now = 1700000000;
  for (int n : Counts()) {
    if (n == 0) continue;  // the wait is never shown as 0 minutes
    FaucetItem item;
    item.Edit(fName) = "Moon";
    item.Edit(fCompleted) = "1";
    item.Edit(fInterval) = std::to_string(n);
    // n minutes from now, less one second: n minutes are shown.
    item.Edit(fTimestamp) = std::to_string(now - 60 + 1);
    EXPECT_EQ(ItemWaitText(item, now), u"Moon (ещё " + Number(n) + u" мин.)") << n;
  }
}

// The interval line of a list row.
TEST_F(RussianCompositions, IntervalLine) {
  for (int n : Counts()) {
    const std::u16string line = Number(n) + u" " +
                                PluralWord(n, MessageText(msgMinute), MessageText(msgMinutesPlural),
                                           MessageText(msgMinutesPlural2));
    EXPECT_EQ(line, Number(n) + u" " + CountWord(n, u"минута", u"минуты", u"минут")) << n;
  }
}

// The about box's version line, check result and announcement.
TEST_F(RussianCompositions, VersionTexts) {
  EXPECT_EQ(VersionLabelText(), u"версия 1.01");
  EXPECT_EQ(VersionCheckResultFor(101).statusText, u"Korvane Trelio не требует обновления.");
  EXPECT_EQ(VersionCheckResultFor(102).buttonText,
            u"Korvane Trelio — новая версия 1.02 уже доступна!");
  EXPECT_EQ(VersionCheckResultFor(1000).buttonText,
            u"Korvane Trelio — новая версия 10.00 уже доступна!");
}

}  // namespace
}  // namespace trelio
