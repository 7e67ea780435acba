// "Save Index to file...": the five-field export of the index.
#pragma once

#include <string>

#include "app/core/index/FaucetItem.h"

namespace trelio {

inline constexpr const char* kIndexExportFileName = "Korvane Trelio Index.csv";
// The full export is SaveIndex of the chosen file without backup.
inline constexpr const char* kFullIndexExportFileName = "Korvane Trelio Index Full.csv";

// Writes Currency, Name, Url, Interval and Input of the header and of every
// shown row, of every coin; with `showHidden` of the hidden rows too. Removed
// rows never. Raises EInOutError when the file cannot be written.
void ExportIndexFields(const FaucetIndex& index, const std::string& path, bool showHidden);

}  // namespace trelio
