#include "localisation/pack/LcfBlobs.h"

namespace trelio::lcfpack {
namespace {

void PutInt32(Blob& blob, int32_t value) {
  const auto u = uint32_t(value);
  for (int shift = 0; shift < 32; shift += 8) blob.push_back(uint8_t(u >> shift));
}

void SetInt32(Blob& blob, size_t at, int32_t value) {
  const auto u = uint32_t(value);
  for (int i = 0; i < 4; ++i) blob[at + size_t(i)] = uint8_t(u >> (8 * i));
}

void PutText(Blob& blob, std::u16string_view text) {
  for (char16_t c : text) {
    blob.push_back(uint8_t(c));
    blob.push_back(uint8_t(c >> 8));
  }
}

int32_t ByteLength(std::u16string_view text) { return int32_t(text.size() * 2); }

}  // namespace

Blob HeaderBlob(const std::vector<int32_t>& lcids) {
  Blob blob{'L', 'C', 'H', 'E', 'A', 'D', 'E', 'R'};
  PutInt32(blob, 0);
  PutInt32(blob, int32_t(lcids.size()));
  for (int32_t lcid : lcids) PutInt32(blob, lcid);
  return blob;
}

Blob ClassTableBlob(std::string_view className, const std::vector<SourceRow>& rows) {
  Blob blob;
  PutInt32(blob, int32_t(className.size()));
  blob.insert(blob.end(), className.begin(), className.end());
  PutInt32(blob, int32_t(rows.size()));
  const size_t indexBase = blob.size();
  for (size_t i = 0; i < rows.size(); ++i) {
    PutInt32(blob, 0);  // entry offset, set below
    PutInt32(blob, 0);
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    const SourceRow& row = rows[i];
    const size_t entry = blob.size();
    SetInt32(blob, indexBase + 8 * i, int32_t(entry - indexBase));
    const size_t columns = row.texts.size();
    // Key pair and column pairs, then the key, then the texts.
    int32_t next = int32_t(8 + 8 * columns);
    PutInt32(blob, next);
    PutInt32(blob, int32_t(row.key.size()));
    next += int32_t(row.key.size());
    for (const std::optional<std::u16string>& text : row.texts) {
      PutInt32(blob, text ? next : 0);
      PutInt32(blob, text ? ByteLength(*text) : -1);
      if (text) next += ByteLength(*text);
    }
    blob.insert(blob.end(), row.key.begin(), row.key.end());
    for (const std::optional<std::u16string>& text : row.texts)
      if (text) PutText(blob, *text);
  }
  return blob;
}

Blob StringTableBlob(const std::vector<std::optional<std::u16string>>& texts) {
  Blob blob;
  int32_t next = int32_t(8 * texts.size());
  for (const std::optional<std::u16string>& text : texts) {
    PutInt32(blob, text ? next : 0);
    PutInt32(blob, text ? ByteLength(*text) : -1);
    if (text) next += ByteLength(*text);
  }
  for (const std::optional<std::u16string>& text : texts)
    if (text) PutText(blob, *text);
  return blob;
}

std::string ResourceScript(const std::vector<ResourceFile>& resources) {
  std::string script = "LANGUAGE 0, 0\n";
  for (const ResourceFile& r : resources) script += '"' + r.name + "\" RCDATA " + r.fileName + '\n';
  return script;
}

}  // namespace trelio::lcfpack
