// What the settings dialog shows of the settings and what it writes back:
// the six on/off options and the no-pay interval grid.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "app/core/settings/AppSettings.h"
#include "app/core/settings/UpdatingOptions.h"

namespace trelio {

// The dialog's six check boxes.
struct DialogOptions {
  bool blockPopups = false;
  bool alwaysOnTop = false;
  UpdatingChecks updating;
  bool processResultsWithoutPayment = false;
  bool operator==(const DialogOptions&) const = default;
};

// Each box is checked when its option is on: "Block pop-ups" for any value
// above 0, as the browser reads it, the others for 1.
DialogOptions DialogOptionsOf(const AppSettings& settings);

// Each option becomes 1 when its box is checked, else 0.
void ApplyDialogOptions(AppSettings& settings, const DialogOptions& options);

// One row of the no-pay grid.
struct NoPayRow {
  std::string message;
  std::string interval;
  bool operator==(const NoPayRow&) const = default;
};

// One row per "|"-separated message, empty ones included, each with the
// interval at its position of the ","-separated list, "" where the list is
// shorter; surplus intervals are not shown.
std::vector<NoPayRow> NoPayRows(std::string_view messages, std::string_view intervals);

// The intervals as the dialog writes them back: one position per row, the
// cell's text unchanged where it holds a whole number above 0 (leading blanks
// allowed, nothing after the digits), empty otherwise. When that gives an
// empty text (no rows, or one row whose cell was not kept) the previous list
// stays.
std::string NoPayIntervalsFromCells(const std::vector<std::string>& cells,
                                    std::string_view previous);

}  // namespace trelio
