#include "app/core/settings/SettingsDialogRules.h"

#include "app/core/text/Numbers.h"
#include "app/core/text/TextSplit.h"

namespace trelio {

DialogOptions DialogOptionsOf(const AppSettings& s) {
  DialogOptions o;
  // A stored 2 blocks pop-ups; showing it unchecked would let a plain OK
  // turn blocking off.
  o.blockPopups = s.blockPopups > 0;
  o.alwaysOnTop = s.alwaysOnTop == 1;
  o.updating.withShowingHiddenItems = s.updatingWithShowingHiddenItems == 1;
  o.updating.hidingBeforeUpdating = s.hidingBeforeUpdating == 1;
  o.updating.clearingBeforeUpdating = s.clearingBeforeUpdating == 1;
  o.processResultsWithoutPayment = s.processResultsWithoutPayment == 1;
  return o;
}

void ApplyDialogOptions(AppSettings& s, const DialogOptions& o) {
  s.blockPopups = o.blockPopups ? 1 : 0;
  s.alwaysOnTop = o.alwaysOnTop ? 1 : 0;
  s.updatingWithShowingHiddenItems = o.updating.withShowingHiddenItems ? 1 : 0;
  s.hidingBeforeUpdating = o.updating.hidingBeforeUpdating ? 1 : 0;
  s.clearingBeforeUpdating = o.updating.clearingBeforeUpdating ? 1 : 0;
  s.processResultsWithoutPayment = o.processResultsWithoutPayment ? 1 : 0;
}

std::vector<NoPayRow> NoPayRows(std::string_view messages, std::string_view intervals) {
  const std::vector<std::string> texts = SplitText("|", messages);
  const std::vector<std::string> minutes = SplitText(",", intervals);
  std::vector<NoPayRow> rows;
  rows.reserve(texts.size());
  for (size_t i = 0; i < texts.size(); ++i) {
    rows.push_back({texts[i], i < minutes.size() ? minutes[i] : std::string()});
  }
  return rows;
}

std::string NoPayIntervalsFromCells(const std::vector<std::string>& cells,
                                    std::string_view previous) {
  std::string list;
  for (size_t i = 0; i < cells.size(); ++i) {
    const WholeNumber n = ReadWholeNumber(cells[i]);
    if (n.ok && n.value > 0) list += cells[i];
    if (i + 1 < cells.size()) list += ',';
  }
  return list.empty() ? std::string(previous) : list;
}

}  // namespace trelio
