#include "app/core/settings/DataFolder.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <system_error>
#include <vector>

#include "app/core/index/IndexRecovery.h"
#include "app/core/text/Messages.h"
#include "app/platform/AtomicFile.h"

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

std::string ErrorText(std::string_view what, std::string_view path, int err) {
  return std::string(what) + " \"" + std::string(path) +
         "\": " + std::generic_category().message(err);
}

bool IsRegularFile(const std::string& path) {
  struct stat st;
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// True unless the path certainly names nothing; a path that cannot be looked
// at counts as taken.
bool AnythingAt(const std::string& path) {
  struct stat st;
  return lstat(path.c_str(), &st) == 0 || (errno != ENOENT && errno != ENOTDIR);
}

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

// False with error set when the marker exists but cannot be read.
bool ReadMarker(const std::string& path, bool& portable, std::string& error) {
  portable = false;
  if (!IsRegularFile(path)) return true;
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC);
  if (fd < 0) {
    error = ErrorText("Cannot read", path, errno);
    return false;
  }
  MarkerScanner scanner;
  char buffer[4096];
  bool undecided = true;
  while (undecided) {
    const ssize_t n = read(fd, buffer, sizeof buffer);
    if (n == 0) break;
    if (n < 0) {
      if (errno == EINTR) continue;
      error = ErrorText("Cannot read", path, errno);
      close(fd);
      return false;
    }
    undecided = scanner.Feed(std::string_view(buffer, size_t(n)));
  }
  close(fd);
  portable = undecided && scanner.Portable();
  return true;
}

std::string CheckUsable(const std::string& folder) {
  struct stat st;
  if (stat(folder.c_str(), &st) != 0)
    return ErrorText(MessageUtf8(msgCannotOpenDataFolder), folder, errno);
  if (!S_ISDIR(st.st_mode)) return ErrorText(MessageUtf8(msgCannotOpenDataFolder), folder, ENOTDIR);
  if (access(folder.c_str(), R_OK | W_OK | X_OK) != 0)
    return ErrorText(MessageUtf8(msgCannotReadWriteDataFolder), folder, errno);
  return {};
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
  if (!ReadMarker(Join(programFolder, "portable"), choice.portable, choice.error)) return choice;
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
      choice.error =
          MessageUtf8(msgCannotCreateDataFolder) + " \"" + folder + "\": " + ec.message();
      return choice;
    }
  }
  choice.error = CheckUsable(folder);
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
  const FileRead read = ReadFileBytes(source);
  if (!read.ok() || read.missing) {
    result.error = read.missing ? ErrorText("Cannot read", source, ENOENT) : read.error;
    return result;
  }
  const FileCreation created = CreateFileAtomic(target, read.bytes);
  result.error = created.error;
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
