// The records of a language module as bytes, ready for a resource script.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "localisation/pack/TranslationSource.h"

namespace trelio::lcfpack {

using Blob = std::vector<uint8_t>;

// "LCHEADER", Flags 0, the LCIDs.
Blob HeaderBlob(const std::vector<int32_t>& lcids);
// A class table: its name, the entries' index, the entries in row order.
Blob ClassTableBlob(std::string_view className, const std::vector<SourceRow>& rows);
// A string table: one slot per language, then the texts.
Blob StringTableBlob(const std::vector<std::optional<std::u16string>>& texts);

// One resource of the module: its name and the file that holds its bytes.
struct ResourceFile {
  std::string name;  // digits only for a message id
  std::string fileName;
};

// The resource script: every name a text name in language neutral, file
// names left unquoted (windres joins adjacent quoted strings).
std::string ResourceScript(const std::vector<ResourceFile>& resources);

}  // namespace trelio::lcfpack
