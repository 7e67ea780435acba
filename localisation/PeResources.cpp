#include "localisation/PeResources.h"

#include <algorithm>

#include "app/platform/AsciiCase.h"
#include "app/platform/FileSystem.h"

namespace trelio {
namespace {

constexpr uint32_t kRcData = 10;
// Larger files are not language modules; reading them whole is not worth it.
constexpr uint64_t kMaxModuleBytes = 64 << 20;

// Little-endian reads that fail instead of reading past the end.
struct Bytes {
  std::span<const uint8_t> data;

  bool Has(uint64_t offset, uint64_t size) const {
    return offset <= data.size() && size <= data.size() - offset;
  }
  std::optional<uint16_t> U16(uint64_t at) const {
    if (!Has(at, 2)) return std::nullopt;
    return uint16_t(data[at] | data[at + 1] << 8);
  }
  std::optional<uint32_t> U32(uint64_t at) const {
    if (!Has(at, 4)) return std::nullopt;
    return uint32_t(data[at]) | uint32_t(data[at + 1]) << 8 | uint32_t(data[at + 2]) << 16 |
           uint32_t(data[at + 3]) << 24;
  }
};

// A directory entry: its name (text or id) and where it leads.
struct DirEntry {
  uint32_t name;
  uint32_t target;
  bool NamedByText() const { return (name & 0x80000000u) != 0; }
  bool LeadsToDirectory() const { return (target & 0x80000000u) != 0; }
  uint32_t Offset(uint32_t field) const { return field & 0x7FFFFFFFu; }
};

}  // namespace

std::optional<PeModule> PeModule::Open(const std::string& path) {
  const FileRead file = ReadFileBytes(path, kMaxModuleBytes);
  if (!file.ok() || file.missing) return std::nullopt;
  return FromBytes(std::vector<uint8_t>(file.bytes.begin(), file.bytes.end()));
}

std::optional<PeModule> PeModule::FromBytes(std::vector<uint8_t> bytes) {
  PeModule module(std::move(bytes));
  if (!module.ReadHeaders()) return std::nullopt;
  module.IndexRcDataNames();
  return module;
}

bool PeModule::ReadHeaders() {
  const Bytes b{bytes_};
  if (!b.Has(0, 64) || bytes_[0] != 'M' || bytes_[1] != 'Z') return false;
  const uint32_t pe = *b.U32(0x3C);
  if (b.U32(pe) != std::optional<uint32_t>(0x00004550)) return false;  // "PE\0\0"
  const uint64_t coff = uint64_t(pe) + 4;
  const std::optional<uint16_t> sections = b.U16(coff + 2);
  const std::optional<uint16_t> optionalSize = b.U16(coff + 16);
  if (!sections || !optionalSize) return false;
  const uint64_t opt = coff + 20;
  const std::optional<uint16_t> magic = b.U16(opt);
  // PE32 and PE32+ differ in where the data directories start.
  uint64_t countAt = 0;
  if (magic == std::optional<uint16_t>(0x10B)) {
    countAt = 92;
  } else if (magic == std::optional<uint16_t>(0x20B)) {
    countAt = 108;
  } else {
    return false;
  }
  const std::optional<uint32_t> dirCount = b.U32(opt + countAt);
  const uint64_t resourceDir = countAt + 4 + 2 * 8;
  if (!dirCount || *dirCount < 3 || resourceDir + 8 > *optionalSize) return false;
  const std::optional<uint32_t> rva = b.U32(opt + resourceDir);
  const uint64_t sectionTable = opt + *optionalSize;
  if (!rva || *rva == 0 || !b.Has(sectionTable, uint64_t(*sections) * 40)) return false;
  sectionTable_ = uint32_t(sectionTable);
  sectionCount_ = *sections;
  // The directory's stated size is not relied on (producers differ in what
  // they count); its section's bytes bound it. It must hold at least its root.
  const std::optional<std::span<const uint8_t>> directory = SectionBytesFrom(*rva);
  if (!directory || directory->size() < 16) return false;
  resourceStart_ = uint32_t(directory->data() - bytes_.data());
  resourceSize_ = uint32_t(directory->size());
  return true;
}

std::optional<std::span<const uint8_t>> PeModule::SectionBytesFrom(uint32_t rva) const {
  const Bytes b{bytes_};
  for (uint32_t i = 0; i < sectionCount_; ++i) {
    const uint64_t at = uint64_t(sectionTable_) + uint64_t(i) * 40;
    const uint32_t virtualSize = *b.U32(at + 8);
    const uint32_t address = *b.U32(at + 12);
    const uint32_t rawSize = *b.U32(at + 16);
    const uint32_t rawStart = *b.U32(at + 20);
    // Only the bytes the file holds for the section count; the rest of its
    // memory image would be zeros.
    const uint64_t held = virtualSize != 0 && virtualSize < rawSize ? virtualSize : rawSize;
    if (rva < address || rva - address >= held) continue;
    // A file cut short keeps what it still holds; what is gone is absent.
    const uint64_t offset = uint64_t(rawStart) + (rva - address);
    if (offset >= bytes_.size()) return std::nullopt;
    const uint64_t length = std::min<uint64_t>(held - (rva - address), bytes_.size() - offset);
    return std::span<const uint8_t>(bytes_).subspan(size_t(offset), size_t(length));
  }
  return std::nullopt;
}

void PeModule::IndexRcDataNames() {
  const Bytes dir{std::span<const uint8_t>(bytes_).subspan(resourceStart_, resourceSize_)};
  // The entries of the directory at an offset inside the resource directory.
  auto entries = [&](uint32_t at) -> std::optional<std::vector<DirEntry>> {
    const std::optional<uint16_t> named = dir.U16(uint64_t(at) + 12);
    const std::optional<uint16_t> ids = dir.U16(uint64_t(at) + 14);
    if (!named || !ids) return std::nullopt;
    const uint64_t count = uint64_t(*named) + *ids;
    if (!dir.Has(uint64_t(at) + 16, count * 8)) return std::nullopt;
    std::vector<DirEntry> list;
    for (uint64_t i = 0; i < count; ++i)
      list.push_back({*dir.U32(at + 16 + i * 8), *dir.U32(at + 20 + i * 8)});
    return list;
  };
  // A name as it is compared: ASCII only (other characters never match),
  // upper-cased; none when it does not lie inside the directory.
  auto upperName = [&](const DirEntry& e) -> std::optional<std::string> {
    const uint32_t at = e.Offset(e.name);
    const std::optional<uint16_t> length = dir.U16(at);
    if (!length || !dir.Has(uint64_t(at) + 2, uint64_t(*length) * 2)) return std::nullopt;
    std::string name(*length, '\0');
    for (size_t i = 0; i < name.size(); ++i) {
      const uint16_t c = *dir.U16(at + 2 + i * 2);
      if (c > 0x7F) return std::nullopt;
      name[i] = AsciiUpper(char(c));
    }
    return name;
  };

  const std::optional<std::vector<DirEntry>> types = entries(0);
  if (!types) return;
  std::optional<uint32_t> namesDir;
  for (const DirEntry& e : *types)
    if (!e.NamedByText() && e.name == kRcData && e.LeadsToDirectory()) {
      namesDir = e.Offset(e.target);
      break;
    }
  if (!namesDir) return;
  const std::optional<std::vector<DirEntry>> names = entries(*namesDir);
  if (!names) return;
  std::vector<std::pair<NamedEntry, uint32_t>> found;
  for (const DirEntry& e : *names) {
    if (!e.NamedByText()) continue;
    if (std::optional<std::string> name = upperName(e))
      found.push_back({{std::move(*name)}, e.target});
  }
  // Of names that differ only in letter case the first in the directory
  // answers, as a walk of it would find.
  std::stable_sort(found.begin(), found.end(), [](const auto& a, const auto& b) {
    return a.first.upperName < b.first.upperName;
  });
  for (auto& [entry, target] : found) {
    if (!rcDataNames_.empty() && rcDataNames_.back().upperName == entry.upperName) continue;
    if (const std::optional<std::span<const uint8_t>> data = FirstLanguageData(target)) {
      entry.found = true;
      entry.offset = uint32_t(data->data() - bytes_.data());
      entry.size = uint32_t(data->size());
    }
    rcDataNames_.push_back(std::move(entry));
  }
}

std::optional<std::span<const uint8_t>> PeModule::FirstLanguageData(uint32_t target) const {
  const DirEntry e{0, target};
  if (!e.LeadsToDirectory()) return std::nullopt;
  const Bytes dir{std::span<const uint8_t>(bytes_).subspan(resourceStart_, resourceSize_)};
  const uint32_t languages = e.Offset(e.target);
  const std::optional<uint16_t> named = dir.U16(uint64_t(languages) + 12);
  const std::optional<uint16_t> ids = dir.U16(uint64_t(languages) + 14);
  if (!named || !ids) return std::nullopt;
  const uint64_t count = uint64_t(*named) + *ids;
  if (count == 0 || !dir.Has(uint64_t(languages) + 16, count * 8)) return std::nullopt;
  const DirEntry first{*dir.U32(uint64_t(languages) + 16), *dir.U32(uint64_t(languages) + 20)};
  if (first.LeadsToDirectory()) return std::nullopt;
  const uint32_t dataEntry = first.target;
  const std::optional<uint32_t> rva = dir.U32(dataEntry);
  const std::optional<uint32_t> size = dir.U32(uint64_t(dataEntry) + 4);
  if (!rva || !size) return std::nullopt;
  const std::optional<std::span<const uint8_t>> data = SectionBytesFrom(*rva);
  if (!data || data->size() < *size) return std::nullopt;
  return data->first(*size);
}

PeModule::RcDataLookup PeModule::LookUpRcData(std::string_view name) const {
  // Names are short: an upper-cased copy on the stack for the usual ones.
  char buffer[64];
  std::string longName;
  std::string_view upper;
  if (name.size() <= sizeof buffer) {
    for (size_t i = 0; i < name.size(); ++i) buffer[i] = AsciiUpper(name[i]);
    upper = std::string_view(buffer, name.size());
  } else {
    longName.resize(name.size());
    for (size_t i = 0; i < name.size(); ++i) longName[i] = AsciiUpper(name[i]);
    upper = longName;
  }
  const auto found =
      std::lower_bound(rcDataNames_.begin(), rcDataNames_.end(), upper,
                       [](const NamedEntry& e, std::string_view key) { return e.upperName < key; });
  if (found == rcDataNames_.end() || found->upperName != upper) return {};
  if (!found->found) return {true, std::nullopt};
  return {true, std::span<const uint8_t>(bytes_).subspan(found->offset, found->size)};
}

std::optional<std::span<const uint8_t>> PeModule::FindRcData(std::string_view name) const {
  return LookUpRcData(name).bytes;
}

}  // namespace trelio
