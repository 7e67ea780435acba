#include "app/core/list/ListRowStyle.h"

#include <gtest/gtest.h>

#include "app/platform/CodePage.h"

namespace trelio {
namespace {

FaucetItem Row(const char* completed, const char* hidden, const char* noPay, const char* favorite) {
  FaucetItem row;
  row.Edit(fCompleted) = completed;
  row.Edit(fHidden) = hidden;
  row.Edit(fNoPay) = noPay;
  row.Edit(fFavorite) = favorite;
  return row;
}

struct ColourCase {
  const char* noPay;
  const char* favorite;
  bool selected;
  uint32_t text, second;
};

TEST(ListRowStyleTest, TextColoursFollowNoPayFavoriteAndSelection) {
  const ColourCase cases[] = {
      {"1", "1", false, 0xFFA500, 0xA09060}, {"1", "1", true, 0xFFF090, 0xE0D070},
      {"1", "", false, 0xFF0000, 0xA06060},  {"1", "", true, 0xFFC0C0, 0xF0A090},
      {"", "1", false, 0x008000, 0x00A000},  {"", "1", true, 0xA0FFA0, 0x70F070},
      {"", "", false, 0x000000, 0x707070},   {"", "", true, 0xFFFFFF, 0xF0F0F0},
  };
  for (const ColourCase& c : cases) {
    RowState state;
    state.selected = c.selected;
    const RowStyle s = ChooseRowStyle(Row("1", "", c.noPay, c.favorite), state);
    EXPECT_EQ(s.textColor, c.text) << c.noPay << "/" << c.favorite << "/" << c.selected;
    EXPECT_EQ(s.secondColor, c.second) << c.noPay << "/" << c.favorite << "/" << c.selected;
  }
}

struct BackgroundCase {
  bool browsed, preloaded, selected, singleLine;
  int index;
  uint32_t background;
};

TEST(ListRowStyleTest, BackgroundsByBrowsingStateViewAndIndex) {
  const BackgroundCase cases[] = {
      {true, false, false, false, 0, 0xA6CAF0},  {true, false, true, false, 0, 0x0000FF},
      {true, true, false, false, 0, 0xA6CAF0},  // browsed wins over preloaded
      {false, true, false, false, 0, 0xC0DCC0},  {false, true, true, false, 0, 0x008080},
      {false, false, false, false, 1, 0xF0F0F0}, {false, false, false, false, 2, 0xFFFFFF},
      {false, false, false, true, 1, 0xFFFFFF},  {false, false, true, false, 1, 0x000080},
      {false, false, true, true, 0, 0x000080},
  };
  for (const BackgroundCase& c : cases) {
    RowState state{c.selected, c.browsed, c.preloaded, c.singleLine, c.index};
    EXPECT_EQ(ChooseRowStyle(Row("1", "", "", ""), state).background, c.background)
        << c.browsed << c.preloaded << c.selected << c.singleLine << c.index;
  }
}

TEST(ListRowStyleTest, FontStyleOfReadyHiddenAndBrowsedRows) {
  RowState plain;
  EXPECT_TRUE(ChooseRowStyle(Row("", "", "", ""), plain).bold);
  EXPECT_FALSE(ChooseRowStyle(Row("1", "", "", ""), plain).bold);

  // Hidden: strike-out alone, never bold, in the second colour.
  const RowStyle hidden = ChooseRowStyle(Row("", "1", "", ""), plain);
  EXPECT_FALSE(hidden.bold);
  EXPECT_TRUE(hidden.strikeOut);
  EXPECT_EQ(hidden.textColor, 0x707070u);
  // A removed row ("-") is not drawn as hidden.
  EXPECT_FALSE(ChooseRowStyle(Row("", "-", "", ""), plain).strikeOut);

  RowState browsed;
  browsed.browsed = true;
  const RowStyle b = ChooseRowStyle(Row("", "", "", ""), browsed);
  EXPECT_TRUE(b.underline);
  EXPECT_TRUE(b.bold);
  RowState preloaded;
  preloaded.preloaded = true;
  EXPECT_TRUE(ChooseRowStyle(Row("1", "1", "", ""), preloaded).underline);
  EXPECT_FALSE(ChooseRowStyle(Row("", "", "", ""), plain).underline);
}

TEST(ListRowStyleTest, FavoriteMovesTheText) {
  EXPECT_EQ(ChooseRowStyle(Row("", "", "1", "1"), {}).textOffset, 17);
  EXPECT_TRUE(ChooseRowStyle(Row("", "", "", "x"), {}).favorite);
  EXPECT_EQ(ChooseRowStyle(Row("", "", "", ""), {}).textOffset, 0);
}

std::u16string Minutes(int n) { return n == 1 || n == 21 ? u"minute" : u"minutes"; }

struct ExtraCase {
  int sortKind;
  bool singleLine;
  const char* interval;
  const char* lastPayout;
  const char* suffix;
  const char16_t* secondLine;
  bool hasSecondLine;
};

TEST(ListRowStyleTest, ExtraTextBySortKindAndView) {
  const ExtraCase cases[] = {
      {1, false, "1", "", "", u"1 minute", true},
      {1, false, "21", "", "", u"21 minute", true},
      {1, false, "5", "", "", u"5 minutes", true},
      {1, false, "60m", "", "", u"60m minutes", true},
      // n as the list's interval key reads it: the digits before a bad
      // character, without their sign; a whole number with its sign.
      {1, false, "-21x", "", "", u"-21x minute", true},
      {1, false, "+21x", "", "", u"+21x minute", true},
      {1, false, " 1x", "", "", u" 1x minute", true},
      {1, false, "-21", "", "", u"-21 minutes", true},
      {1, false, "x21", "", "", u"x21 minutes", true},
      {1, false, "0", "", "", u"0", false},
      {1, false, "", "", "", u"", false},
      {1, true, "60", "", " (60)", u"", false},
      {1, true, "0", "", "", u"", false},
      {4, false, "60", "0.00012", "", u"+0.00012", true},
      {4, false, "60", "0", "", u"0", false},
      {4, true, "60", "0.00012", " +0.00012", u"", false},
      {4, true, "60", "abc", " +abc", u"", false},
      {0, false, "60", "0.1", "", u"", false},
      {2, true, "60", "0.1", "", u"", false},
  };
  for (const ExtraCase& c : cases) {
    FaucetItem row;
    row.Edit(fInterval) = c.interval;
    row.Edit(fLastPayout) = c.lastPayout;
    const RowExtraText extra = ComposeRowExtraText(row, c.sortKind, c.singleLine, Minutes);
    EXPECT_EQ(extra.nameSuffix, c.suffix) << c.sortKind << " " << c.interval;
    EXPECT_EQ(extra.secondLine, c.secondLine) << c.sortKind << " " << c.interval;
    EXPECT_EQ(extra.hasSecondLine, c.hasSecondLine) << c.sortKind << " " << c.interval;
  }
}

TEST(ListRowStyleTest, EachPayoutKindReadsItsOwnField) {
  FaucetItem row;
  row.Edit(fTotalPayout) = "3";
  row.Edit(fLastPayout) = "4";
  row.Edit(fMovingAveragePayout) = "5";
  row.Edit(fAveragePayout) = "6";
  for (int kind = 3; kind <= 6; ++kind)
    EXPECT_EQ(ComposeRowExtraText(row, kind, false, Minutes).secondLine,
              u"+" + AnsiToUtf16(std::to_string(kind), 0));
}

}  // namespace
}  // namespace trelio
