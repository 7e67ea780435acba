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

 private:
  explicit PeModule(std::vector<uint8_t> bytes) : bytes_(std::move(bytes)) {}
  bool ReadHeaders();
  // File offset of [rva, rva + size) when one section's file bytes hold it.
  std::optional<uint32_t> FileOffsetOf(uint32_t rva, uint32_t size) const;

  std::vector<uint8_t> bytes_;
  uint32_t sectionTable_ = 0;
  uint32_t sectionCount_ = 0;
  // The resource directory as a file range.
  uint32_t resourceStart_ = 0;
  uint32_t resourceSize_ = 0;
};

}  // namespace trelio
