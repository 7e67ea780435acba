// The faucet index file "index.csv": loading, saving with backup rotation.
#pragma once

#include <string>
#include <vector>

#include "app/core/index/FaucetItem.h"
#include "hashes/Hashes.h"

namespace trelio {

// The index files of the data folder.
struct IndexFilePaths {
  std::string csv;   // index.csv
  std::string bak;   // index.bak, the previous index.csv
  std::string bak2;  // index.bak2, the previous index.bak
  std::string tmp;   // index.tmp, the compaction copy
  std::string tmp2;  // index.tmp2, the downloaded server index
  // index.recovery, the index as it was a minute ago or less while the
  // program runs; a clean exit removes it, so one that is newer than
  // index.csv at a start is what a crash would have lost.
  std::string recovery;

  static IndexFilePaths InFolder(const std::string& dataFolder);
  // Every path above.
  std::vector<const std::string*> All() const {
    return {&csv, &bak, &bak2, &tmp, &tmp2, &recovery};
  }
};

// The main window's index and what its files need.
struct IndexState {
  FaucetIndex& index;
  // URL key -> row of `index`.
  TIntegerHash& urlRowMap;
  IndexFilePaths files;
  // The user's decimal separator, turned into "." in the payout fields.
  char systemDecimalSeparator = '.';
};

// What a load read, for those who keep the index's file text.
struct LoadedIndexFile {
  std::string bytes;
  // SaveIndex of the loaded index would write exactly these bytes. False
  // when it would not, or when that is not known.
  bool writtenAsRead = false;
};

// Replaces the index rows and the URL-key table with the rows of the file.
// When the file cannot be opened or read, raises EInOutError and leaves both
// as they were, so that a later save cannot write an empty index over it.
// With `loaded`, hands over the bytes it read.
void LoadIndex(IndexState& state, const std::string& path, char separator = ';',
               LoadedIndexFile* loaded = nullptr);

// Leaves the index and the URL-key table as a SaveIndex and a LoadIndex of
// that file would: the removed rows dropped, the others renumbered and with
// their fields as written and read back.
void CompactIndexRows(IndexState& state);

// Writes every row not removed ("-") to the file, replacing it whole. With
// `backup`, copies index.bak over index.bak2 and the file at `path` over
// index.bak, ignoring failed copies, once the new content is written beside
// the file and just before it takes the file's place. Raises EInOutError when
// the file cannot be written; the file and the backups then stay as they were.
void SaveIndex(const IndexState& state, const std::string& path, bool backup);

// The bytes that SaveIndex writes.
std::string IndexFileText(const FaucetIndex& index, char systemDecimalSeparator);

}  // namespace trelio
