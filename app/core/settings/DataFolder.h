// Where the program keeps its files, and what a start does with them before the
// settings and the index are read.
#pragma once

#include <string>
#include <string_view>

#include "app/core/index/IndexFile.h"
#include "app/platform/Outcome.h"

namespace trelio {

// The files of the data folder.
struct DataFiles {
  std::string folder;  // without a trailing "/"
  IndexFilePaths index;
  std::string settings;  // settings.ini
  std::string lock;      // .lock, held by the one program working on the folder
};
DataFiles DataFilesIn(std::string_view folder);

// Removes the temporary files that saves of the data folder's files left when
// their process was killed part-way (that process being gone).
void RemoveInterruptedSaves(const DataFiles& files);

// Fails with why no usable data folder could be had.
struct [[nodiscard]] DataFolderChoice : Outcome {
  std::string folder;  // without a trailing "/"; empty when it failed
  bool portable = false;
};

// With a file "portable" in the program folder that makes the program portable
// (of each line, ended by CR LF, LF or CR, at most its first 80 bytes are
// taken, the pieces are joined without separators, and the joined text is
// exactly "1"), the program folder; otherwise the per-user application-data folder +
// "/Korvane Trelio", created (with any missing parents) when it does not exist.
// The folder must be one that can be read and written; an unreadable marker, an
// unknown application-data folder, a folder that cannot be created, read or
// written make it fail, so that no stored file is silently passed over.
DataFolderChoice ChooseDataFolder(std::string_view programFolder, std::string_view appDataFolder);

struct [[nodiscard]] FirstRunCopy : Outcome {
  bool copied = false;
};

// First run: when not portable, the data folder holds no settings.ini and the
// program folder holds one, that file is copied into the data folder. Never
// replaces anything that lies at the target, and a copy is complete or absent.
FirstRunCopy CopyFirstRunSettings(const DataFolderChoice& dataFolder,
                                  std::string_view programFolder);

// Which index a start loads.
struct StartupIndex {
  std::string loadPath;           // empty: the index stays empty for now
  bool saveToDataFolder = false;  // save it at once as the data folder's index.csv
};

// The data folder's index.recovery when it is newer than index.csv (the last
// run did not end cleanly), else its index.csv when anything lies at that path (so a file that
// cannot be read gives an error on loading instead of being replaced), else an
// "index.csv" file of the working folder, to be saved into the data folder at
// once, else none.
StartupIndex ChooseStartupIndex(const DataFiles& files, std::string_view workingFolder);

}  // namespace trelio
