// The translation sources: UTF-8 text files, one row per key and a column
// per language, holding message texts and window-class texts.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace trelio::lcfpack {

// One row: its key and one text per language column (nullopt: not translated).
struct SourceRow {
  std::string key;
  std::vector<std::optional<std::u16string>> texts;
  std::string where;  // "file:line", for error messages
};

struct TranslationSources {
  std::vector<int32_t> lcids;
  std::map<uint16_t, SourceRow> messages;
  // Class name (upper case) -> rows in file order.
  std::map<std::string, std::vector<SourceRow>> classes;
};

// A fault in a source, with its file and line.
class SourceError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Adds one file's rows; throws SourceError naming the row on a fault.
void ReadSourceText(std::string_view text, const std::string& fileName,
                    TranslationSources& sources);
void ReadSourceFile(const std::string& path, TranslationSources& sources);

// UTF-8 to UTF-16; nullopt for malformed input.
std::optional<std::u16string> Utf8ToUtf16(std::string_view text);

}  // namespace trelio::lcfpack
