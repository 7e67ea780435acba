#include "app/core/settings/DataFolder.h"

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/core/index/IndexRecovery.h"
#include "app/core/text/ErrorText.h"
#include "app/core/text/Messages.h"
#include "app/platform/AtomicFile.h"
#include "app/platform/FileSystem.h"
#include "app/platform/IniFile.h"

namespace trelio {
namespace {

std::string WithoutTrailingSlash(std::string_view folder) {
  while (folder.size() > 1 && folder.back() == '/') folder.remove_suffix(1);
  return std::string(folder);
}

std::string Join(std::string_view folder, std::string_view name) {
  if (folder.empty()) return std::string(name);
  std::string path = WithoutTrailingSlash(folder);
  if (path.back() != '/') path += '/';
  return path + std::string(name);
}

bool IsRegularFile(const std::string& path) { return KindAt(path) == PathKind::kRegularFile; }

// Reads the marker line by line as the rule says, stopping as soon as the
// answer is known, so any size of file is fine.
class MarkerScanner {
 public:
  // False once the joined text can no longer be "1".
  bool Feed(std::string_view bytes) {
    for (char c : bytes) {
      if (afterCr_) {
        afterCr_ = false;
        if (c == '\n') continue;
      }
      if (c == '\r' || c == '\n') {
        afterCr_ = c == '\r';
        column_ = 0;
        continue;
      }
      if (column_++ < 80) {
        joined_ += c;
        if (joined_.size() > 1) return false;
      }
    }
    return true;
  }
  bool Portable() const { return joined_ == "1"; }

 private:
  std::string joined_;
  size_t column_ = 0;
  bool afterCr_ = false;
};

struct [[nodiscard]] Marker : Outcome {
  bool portable = false;
};

// Fails when the marker exists but cannot be read.
Marker ReadMarker(const std::string& path) {
  Marker marker;
  if (!IsRegularFile(path)) return marker;
  MarkerScanner scanner;
  bool undecided = true;
  const Outcome scanned =
      ScanFileBytes(path, [&](std::string_view bytes) { return undecided = scanner.Feed(bytes); });
  if (!scanned.ok()) {
    static_cast<Outcome&>(marker) = scanned;
    return marker;
  }
  marker.portable = undecided && scanner.Portable();
  return marker;
}

Outcome CheckUsable(const std::string& folder) {
  Outcome usable;
  if (const int err = FolderError(folder))
    usable.error = ErrorText(MessageUtf8(msgCannotOpenDataFolder), folder, SystemErrorText(err));
  else if (const int err2 = FolderAccessError(folder))
    usable.error =
        ErrorText(MessageUtf8(msgCannotReadWriteDataFolder), folder, SystemErrorText(err2));
  return usable;
}

}  // namespace

DataFiles DataFilesIn(std::string_view folder) {
  DataFiles f;
  f.folder = WithoutTrailingSlash(folder);
  f.index = IndexFilePaths::InFolder(f.folder);
  f.settings = Join(f.folder, "settings.ini");
  f.lock = Join(f.folder, ".lock");
  return f;
}

void RemoveInterruptedSaves(const DataFiles& files) {
  std::vector<const std::string*> paths = files.index.All();
  paths.push_back(&files.settings);
  std::vector<std::string> names;
  for (const std::string* path : paths) names.push_back(path->substr(path->rfind('/') + 1));
  RemoveLeftoverTemporaryFiles(files.folder, names);
}

DataFolderChoice ChooseDataFolder(std::string_view programFolder, std::string_view appDataFolder) {
  DataFolderChoice choice;
  const Marker marker = ReadMarker(Join(programFolder, "portable"));
  if (!marker.ok()) {
    choice.error = ErrorText(marker);
    return choice;
  }
  choice.portable = marker.portable;
  std::string folder;
  if (choice.portable) {
    folder = WithoutTrailingSlash(programFolder);
  } else {
    if (appDataFolder.empty()) {
      choice.error = MessageUtf8(msgDataFolderUnknown);
      return choice;
    }
    folder = Join(appDataFolder, "Korvane Trelio");
    // The per-user data folder itself may not exist yet on a new account.
    std::error_code ec;
    std::filesystem::create_directories(folder, ec);
    if (ec) {
      choice.error = ErrorText(MessageUtf8(msgCannotCreateDataFolder), folder, ec.message());
      return choice;
    }
  }
  choice.error = CheckUsable(folder).error;
  if (choice.error.empty()) choice.folder = folder;
  return choice;
}

FirstRunCopy CopyFirstRunSettings(const DataFolderChoice& dataFolder,
                                  std::string_view programFolder) {
  FirstRunCopy result;
  if (dataFolder.portable || dataFolder.folder.empty()) return result;
  const std::string target = DataFilesIn(dataFolder.folder).settings;
  const std::string source = Join(programFolder, "settings.ini");
  if (AnythingAt(target) || !IsRegularFile(source)) return result;
  const FileRead read = ReadFileBytes(source, IniFile::kMaxFileBytes);
  if (!read.ok() || read.missing) {
    result.error =
        read.missing ? ErrorText(FileFailure{FileStep::kRead, source, ENOENT}) : ErrorText(read);
    return result;
  }
  const FileCreation created = CreateFileAtomic(target, read.bytes);
  result.error = ErrorText(created);
  result.copied = created.ok() && !created.existed;
  return result;
}

StartupIndex ChooseStartupIndex(const DataFiles& files, std::string_view workingFolder) {
  // What the last run kept after its last save of index.csv; that file stays
  // as it is, so the next save rotates it into index.bak.
  if (RecoveryFileIsNewer(files.index)) return {files.index.recovery, false};
  if (AnythingAt(files.index.csv)) return {files.index.csv, false};
  const std::string imported = Join(workingFolder, "index.csv");
  if (IsRegularFile(imported)) return {imported, true};
  return {};
}

}  // namespace trelio
