// The file sequences of the index commands. The caller asks the questions,
// resets the editor and the browsing references beforehand and rebuilds the
// list afterwards; errors (EInOutError) stop a sequence where they happen.
#pragma once

#include <functional>
#include <string>

#include "app/core/index/IndexFile.h"
#include "app/core/index/IndexMerge.h"

namespace trelio {

// Drops the removed rows, renumbers Position and rebuilds the URL-key table,
// as a save to index.tmp and a load of it would (CompactIndexRows), in memory;
// an index.tmp left behind is removed.
void CompactIndex(IndexState& state);

// The index commands keep the index in the data folder's index.csv; without
// a data folder (its path is empty) they change nothing.
bool IndexHasDataFolder(const IndexState& state);

// A download that an earlier update or run could not merge (index.tmp2) is
// never merged later: it goes before a start loads and before a download.
void DropUnmergedDownload(const IndexState& state);

// Called between the steps of an update, each of which leaves a whole index
// (its rows and URL-key table agree), so that the caller may let others in.
using BetweenSteps = std::function<void()>;

// What an update from a file did.
enum class IndexUpdate {
  noDataFolder,  // nowhere to keep the index: nothing was read or written
  missing,       // there was no file: the index is unchanged
  refused,       // the file is not an index (CheckIndexBody): nothing was written
  merged,
};

// "Update Index" once the download has ended, for the file this download
// wrote at `downloadedPath` (index.tmp2). Reads it, and unless it is missing
// or refused, saves index.csv with backup, compacts, merges it, deletes it
// and saves with backup again, so that index.bak holds the index just before
// the merge and index.bak2 the index.csv of before the command. Calls
// `betweenSteps` only once the file is accepted.
IndexUpdate UpdateIndexFromDownload(IndexState& state, const std::string& downloadedPath,
                                    const UpdatingOptions& options, TemplateLists& serverTemplates,
                                    TemplateLists& userLists,
                                    const BetweenSteps& betweenSteps = {});

// "Update Index from file...": the same with the chosen file, which is left
// as it is.
IndexUpdate UpdateIndexFromFile(IndexState& state, const std::string& chosenPath,
                                const UpdatingOptions& options, TemplateLists& serverTemplates,
                                TemplateLists& userLists, const BetweenSteps& betweenSteps = {});

// "Clear Index": empties the index and the URL-key table and saves index.csv
// with backup. False, with nothing changed, without a data folder.
bool ClearIndex(IndexState& state);

// The first show of the main window, when start-up found no index (rows
// recovered after a crash count as one): with no index.csv, runs `updateIndex`
// (the whole "Update Index" command); with still none, loads `fallbackPath`
// (the five-field export in the working folder) when it exists and saves it as
// index.csv with backup. True when the fallback was loaded.
bool FirstShowIndex(IndexState& state, const std::function<void()>& updateIndex,
                    const std::string& fallbackPath);

}  // namespace trelio
