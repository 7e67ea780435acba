#include "app/core/index/IndexCommands.h"

#include "app/core/index/FileBytes.h"
#include "app/platform/FileSystem.h"

namespace trelio {
namespace {

void MergeWithBackups(IndexState& state, const std::string& path, const UpdatingOptions& options,
                      TemplateLists& serverTemplates, TemplateLists& userLists,
                      bool deleteAfterMerge) {
  SaveIndex(state, state.files.csv, true);
  CompactIndex(state);
  MergeIndex(state, path, ';', options, serverTemplates, userLists);
  if (deleteAfterMerge) DeleteFileIfPresent(path);
  SaveIndex(state, state.files.csv, true);
}

}  // namespace

void CompactIndex(IndexState& state) {
  SaveIndex(state, state.files.tmp, false);
  if (!IsExistingFile(state.files.tmp)) return;
  LoadIndex(state, state.files.tmp);
  DeleteFileIfPresent(state.files.tmp);
}

bool UpdateIndexFromDownload(IndexState& state, const std::string& downloadedPath,
                             const UpdatingOptions& options, TemplateLists& serverTemplates,
                             TemplateLists& userLists) {
  if (!IsExistingFile(downloadedPath)) return false;
  MergeWithBackups(state, downloadedPath, options, serverTemplates, userLists, true);
  return true;
}

bool UpdateIndexFromFile(IndexState& state, const std::string& chosenPath,
                         const UpdatingOptions& options, TemplateLists& serverTemplates,
                         TemplateLists& userLists) {
  if (!IsExistingFile(chosenPath)) return false;
  MergeWithBackups(state, chosenPath, options, serverTemplates, userLists, false);
  return true;
}

void ClearIndex(IndexState& state) {
  state.urlRowMap.Clear();
  state.index.Clear();
  SaveIndex(state, state.files.csv, true);
}

bool FirstShowIndex(IndexState& state, const std::function<void()>& updateIndex,
                    const std::string& fallbackPath) {
  // Rows without index.csv were recovered after a crash: they are the index,
  // and neither a download nor the fallback may take their place.
  if (state.index.RowCount() > 1) return false;
  if (!IsExistingFile(state.files.csv)) updateIndex();
  if (IsExistingFile(state.files.csv) || !IsExistingFile(fallbackPath)) return false;
  LoadIndex(state, fallbackPath);
  SaveIndex(state, state.files.csv, true);
  return true;
}

}  // namespace trelio
