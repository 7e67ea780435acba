#include "app/core/index/IndexCommands.h"

#include "app/core/index/FileBytes.h"
#include "app/core/index/IndexDownload.h"
#include "app/platform/FileSystem.h"

namespace trelio {
namespace {

// The file is read and checked before anything is written, so that neither
// a file that cannot be read nor one that is not an index rotates a backup.
IndexUpdate MergeWithBackups(IndexState& state, const std::string& path,
                             const UpdatingOptions& options, TemplateLists& serverTemplates,
                             TemplateLists& userLists, bool deleteAfterMerge,
                             const BetweenSteps& betweenSteps) {
  if (!IndexHasDataFolder(state)) return IndexUpdate::noDataFolder;
  if (!IsExistingFile(path)) return IndexUpdate::missing;
  const std::string bytes = ReadWholeFile(path);
  if (CheckIndexBody(bytes) != IndexBodyRefusal::none) {
    if (deleteAfterMerge) DeleteFileIfPresent(path);
    return IndexUpdate::refused;
  }
  const auto pause = [&] {
    if (betweenSteps) betweenSteps();
  };
  pause();
  SaveIndex(state, state.files.csv, true);
  pause();
  CompactIndex(state);
  pause();
  MergeIndexText(state, bytes, ';', options, serverTemplates, userLists);
  if (deleteAfterMerge) DeleteFileIfPresent(path);
  pause();
  SaveIndex(state, state.files.csv, true);
  pause();
  return IndexUpdate::merged;
}

}  // namespace

bool IndexHasDataFolder(const IndexState& state) { return !state.files.csv.empty(); }

void DropUnmergedDownload(const IndexState& state) {
  if (!state.files.tmp2.empty()) DeleteFileIfPresent(state.files.tmp2);
}

void CompactIndex(IndexState& state) {
  CompactIndexRows(state);
  // What an interrupted compaction of an older build left.
  if (!state.files.tmp.empty()) DeleteFileIfPresent(state.files.tmp);
}

IndexUpdate UpdateIndexFromDownload(IndexState& state, const std::string& downloadedPath,
                                    const UpdatingOptions& options, TemplateLists& serverTemplates,
                                    TemplateLists& userLists, const BetweenSteps& betweenSteps) {
  return MergeWithBackups(state, downloadedPath, options, serverTemplates, userLists, true,
                          betweenSteps);
}

IndexUpdate UpdateIndexFromFile(IndexState& state, const std::string& chosenPath,
                                const UpdatingOptions& options, TemplateLists& serverTemplates,
                                TemplateLists& userLists, const BetweenSteps& betweenSteps) {
  return MergeWithBackups(state, chosenPath, options, serverTemplates, userLists, false,
                          betweenSteps);
}

bool ClearIndex(IndexState& state) {
  if (!IndexHasDataFolder(state)) return false;
  state.urlRowMap.Clear();
  state.index.Clear();
  SaveIndex(state, state.files.csv, true);
  return true;
}

bool FirstShowIndex(IndexState& state, const std::function<void()>& updateIndex,
                    const std::string& fallbackPath) {
  // Rows without index.csv were recovered after a crash: they are the index,
  // and neither a download nor the fallback may take their place.
  if (state.index.RowCount() > 1) return false;
  // Without a data folder nothing fetched could be kept; the user has been
  // told that the folder could not be had.
  if (!IndexHasDataFolder(state)) return false;
  if (!IsExistingFile(state.files.csv)) updateIndex();
  if (IsExistingFile(state.files.csv) || !IsExistingFile(fallbackPath)) return false;
  LoadIndex(state, fallbackPath);
  SaveIndex(state, state.files.csv, true);
  return true;
}

}  // namespace trelio
