#include "localisation/LcfRecords.h"

#include <algorithm>
#include <cstring>

namespace trelio {
namespace {

// A signed 32-bit field at a byte offset, when all four bytes are inside.
std::optional<int32_t> Int32At(ResourceBytes bytes, int64_t at) {
  if (at < 0 || at > int64_t(bytes.size()) - 4) return std::nullopt;
  const auto a = size_t(at);
  return int32_t(uint32_t(bytes[a]) | uint32_t(bytes[a + 1]) << 8 | uint32_t(bytes[a + 2]) << 16 |
                 uint32_t(bytes[a + 3]) << 24);
}

// The bytes [at, at + length) when they lie inside.
std::optional<ResourceBytes> RangeAt(ResourceBytes bytes, int64_t at, int64_t length) {
  if (at < 0 || length < 0 || at > int64_t(bytes.size()) || length > int64_t(bytes.size()) - at)
    return std::nullopt;
  return bytes.subspan(size_t(at), size_t(length));
}

// UTF-16LE text of a byte length; an odd last byte is ignored.
std::optional<std::u16string> TextAt(ResourceBytes bytes, int64_t at, int64_t length) {
  const std::optional<ResourceBytes> range = RangeAt(bytes, at, length);
  if (!range) return std::nullopt;
  std::u16string text(range->size() / 2, u'\0');
  for (size_t i = 0; i < text.size(); ++i)
    text[i] = char16_t((*range)[2 * i] | (*range)[2 * i + 1] << 8);
  return text;
}

}  // namespace

int32_t LcfHeader::Lcid(int32_t column) const { return *Int32At(bytes, 16 + 4 * int64_t(column)); }

int32_t LcfHeader::StoredCodePage(int32_t column) const {
  const std::optional<int32_t> count = Int32At(bytes, 12);
  return Int32At(bytes, 16 + 4 * int64_t(*count) + 4 * int64_t(column)).value_or(0);
}

std::optional<LcfHeader> ReadLcfHeader(ResourceBytes bytes, bool firstForm) {
  if (bytes.size() < 16 || std::memcmp(bytes.data(), "LCHEADER", 8) != 0) return std::nullopt;
  LcfHeader header;
  header.bytes = bytes;
  header.firstForm = firstForm;
  header.flags = *Int32At(bytes, 8);
  const int32_t count = *Int32At(bytes, 12);
  // Only the languages whose fields lie inside the record can be found.
  const int64_t size = int64_t(bytes.size());
  int64_t usable = count <= 0 ? 0 : std::min<int64_t>(count, (size - 16) / 4);
  if (!firstForm && count > 0) {
    const int64_t codePages = (size - 16 - 4 * int64_t(count)) / 4;
    usable = std::min(usable, std::max<int64_t>(codePages, 0));
  }
  header.languageCount = int32_t(usable);
  return header;
}

std::vector<LcfEntry> ReadLcfClassTable(ResourceBytes table, int32_t column) {
  std::vector<LcfEntry> entries;
  const std::optional<int32_t> nameLength = Int32At(table, 0);
  if (!nameLength || column < 0) return entries;
  const int64_t countAt = 4 + int64_t(std::max(*nameLength, 0));
  const std::optional<int32_t> count = Int32At(table, countAt);
  if (!count) return entries;
  const int64_t indexBase = countAt + 4;
  // Index pairs may share an entry, and each copies it: a table gives at most
  // its own size in keys and texts, so no table costs more than its bytes.
  int64_t budget = int64_t(table.size());
  for (int64_t i = int64_t(*count) - 1; i >= 0; --i) {
    // A pair past the record's end ends the table; Reserved is not read.
    if (!RangeAt(table, indexBase + 8 * i, 8)) break;
    const int64_t entry = indexBase + *Int32At(table, indexBase + 8 * i);
    const std::optional<int32_t> keyOffset = Int32At(table, entry);
    const std::optional<int32_t> keyLength = Int32At(table, entry + 4);
    const std::optional<int32_t> textOffset = Int32At(table, entry + 8 + 8 * int64_t(column));
    const std::optional<int32_t> textLength = Int32At(table, entry + 12 + 8 * int64_t(column));
    if (!keyOffset || !keyLength || !textOffset || !textLength) continue;
    const std::optional<ResourceBytes> key = RangeAt(table, entry + *keyOffset, *keyLength);
    if (!key) continue;
    const std::optional<ResourceBytes> textBytes = RangeAt(table, entry + *textOffset, *textLength);
    budget -= int64_t(key->size()) + (textBytes ? int64_t(textBytes->size()) : 0);
    if (budget < 0) break;
    const std::string keyText(key->begin(), key->end());
    const size_t dash = keyText.find('-');
    if (dash == std::string::npos) continue;
    const size_t second = keyText.find('-', dash + 1);
    LcfEntry e;
    e.component = keyText.substr(0, dash);
    e.path = keyText.substr(dash + 1, second == std::string::npos ? second : second - dash - 1);
    if (textBytes) {
      e.text = *TextAt(table, entry + *textOffset, *textLength);
      e.hasTranslation = true;
    }
    entries.push_back(std::move(e));
  }
  return entries;
}

std::optional<std::u16string> ReadLcfStringSlot(ResourceBytes table, int32_t slot) {
  if (slot < 0) return std::nullopt;
  const std::optional<int32_t> offset = Int32At(table, 8 * int64_t(slot));
  const std::optional<int32_t> length = Int32At(table, 8 * int64_t(slot) + 4);
  if (!offset || !length || *length < 0) return std::nullopt;
  return TextAt(table, *offset, *length);
}

}  // namespace trelio
