#include "app/core/index/IndexExport.h"

#include "app/core/index/FileBytes.h"
#include "app/core/index/IndexLineWriter.h"

namespace trelio {

void ExportIndexFields(const FaucetIndex& index, const std::string& path, bool showHidden) {
  std::string text;
  for (int r = 0; r < index.RowCount(); ++r) {
    const FaucetItem& row = index.Row(r);
    const bool listed = showHidden ? row[fHidden] != "-" : r == 0 || row[fHidden].empty();
    if (listed) AppendIndexLine(text, row, fInput + 1, '.');
  }
  ReplaceFileContents(path, text);
}

}  // namespace trelio
