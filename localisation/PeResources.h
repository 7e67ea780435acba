// The resources of a Portable Executable file (PE32 or PE32+) read as data:
// no code runs and nothing the file names is loaded. Every offset, size and
// count is checked against the file, so no input is read outside its bytes.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace trelio {

class PeModule {
 public:
  // Nullopt when the file cannot be read or is not a PE file with a resource
  // directory inside its bytes.
  static std::optional<PeModule> Open(const std::string& path);
  static std::optional<PeModule> FromBytes(std::vector<uint8_t> bytes);

  // The bytes of the RCDATA resource (type 10) of that text name, compared
  // without regard to ASCII letter case; its first language is taken. Nullopt
  // when there is none or its bytes do not lie wholly inside the file.
  std::optional<std::span<const uint8_t>> FindRcData(std::string_view name) const;

  // The same, telling a resource that is not there from one that is there but
  // cannot be loaded (its bytes lie outside the file).
  struct RcDataLookup {
    bool exists = false;
    std::optional<std::span<const uint8_t>> bytes;
  };
  RcDataLookup LookUpRcData(std::string_view name) const;

 private:
  explicit PeModule(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  bool ReadHeaders();
  // The file bytes from an address to the end of the section holding it;
  // nullopt when no section's file bytes hold the address.
  std::optional<std::span<const uint8_t>> SectionBytesFrom(uint32_t rva) const;

  // Where the bytes of each RCDATA name lie, sorted by the name in upper case,
  // so that a lookup is a binary search instead of a walk of the directory.
  // Made once, when the module opens; the bytes themselves are read by the
  // caller at each lookup.
  struct NamedEntry {
    std::string upperName;
    // Where in the file the name's first language leads (offsets, so that
    // they hold in a copy of the module too); none when not inside the file.
    bool found = false;
    uint32_t offset = 0;
    uint32_t size = 0;
  };
  void IndexRcDataNames();
  std::optional<std::span<const uint8_t>> FirstLanguageData(uint32_t target) const;

  std::vector<uint8_t> bytes_;
  std::vector<NamedEntry> rcDataNames_;
  uint32_t sectionTable_ = 0;
  uint32_t sectionCount_ = 0;
  // The resource directory as a file range: from its start to the end of its
  // section, which bounds every offset inside it.
  uint32_t resourceStart_ = 0;
  uint32_t resourceSize_ = 0;
};

}  // namespace trelio
