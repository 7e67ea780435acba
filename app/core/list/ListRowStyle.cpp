#include "app/core/list/ListRowStyle.h"

#include "app/core/list/ListOrder.h"
#include "app/platform/CodePage.h"

namespace trelio {

namespace {

struct Colours {
  uint32_t text, second, textSelected, secondSelected;
};

Colours TextColours(bool noPay, bool favorite) {
  if (noPay && favorite) return {0xFFA500, 0xA09060, 0xFFF090, 0xE0D070};
  if (noPay) return {0xFF0000, 0xA06060, 0xFFC0C0, 0xF0A090};
  if (favorite) return {0x008000, 0x00A000, 0xA0FFA0, 0x70F070};
  return {0x000000, 0x707070, 0xFFFFFF, 0xF0F0F0};
}

uint32_t Background(const RowState& s) {
  if (s.browsed) return s.selected ? 0x0000FF : 0xA6CAF0;
  if (s.preloaded) return s.selected ? 0x008080 : 0xC0DCC0;
  if (s.selected) return 0x000080;
  return !s.singleLine && s.index % 2 == 1 ? 0xF0F0F0 : 0xFFFFFF;
}

bool Set(std::string_view field) { return !field.empty(); }
bool Shown(std::string_view field) { return !field.empty() && field != "0"; }

}  // namespace

RowStyle ChooseRowStyle(const FaucetItem& row, const RowState& state) {
  const Colours c = TextColours(Set(row[fNoPay]), Set(row[fFavorite]));
  RowStyle style;
  style.background = Background(state);
  style.textColor = state.selected ? c.textSelected : c.text;
  style.secondColor = state.selected ? c.secondSelected : c.second;
  style.favorite = Set(row[fFavorite]);
  style.textOffset = style.favorite ? kFavoriteTextOffset : 0;
  style.bold = row[fCompleted].empty();
  if (row[fHidden] == "1") {
    style.bold = false;
    style.strikeOut = true;
    style.textColor = style.secondColor;
  }
  style.underline = state.browsed || state.preloaded;
  return style;
}

RowExtraText ComposeRowExtraText(const FaucetItem& row, int sortKind, bool singleLine,
                                 const MinutesWord& minutesWord) {
  RowExtraText extra;
  const std::string_view interval = row[fInterval];
  const std::optional<FaucetField> payoutField = PayoutSortField(sortKind);
  const std::optional<std::string_view> payout =
      payoutField ? std::optional(row[*payoutField]) : std::nullopt;
  if (singleLine) {
    if (sortKind == 1 && Shown(interval)) extra.nameSuffix = " (" + std::string(interval) + ")";
    if (payout && Shown(*payout)) extra.nameSuffix = " +" + std::string(*payout);
    return extra;
  }
  // Index fields are text in the system code page; the minutes word is a
  // message text.
  if (sortKind == 1) {
    extra.secondLine = AnsiToUtf16(interval, 0);
    // n as the sort by interval reads it, so "-21x" says "minute" like 21.
    if (Shown(interval)) extra.secondLine += u" " + minutesWord(ListIntegerField(interval));
    extra.hasSecondLine = Shown(interval);
  } else if (payout) {
    extra.secondLine = AnsiToUtf16(*payout, 0);
    if (Shown(*payout)) extra.secondLine = u"+" + extra.secondLine;
    extra.hasSecondLine = Shown(*payout);
  }
  return extra;
}

}  // namespace trelio
