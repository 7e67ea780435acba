// An INI file read and written with the rules of the Windows private-profile
// functions, held in memory and written back with one explicit Flush.
//
// - Section and key names match without regard to case (ASCII letters); the
//   first section of a name is the one read and written.
// - A value read loses its surrounding blanks and one enclosing pair of equal
//   single or double quotes; at most 2047 bytes of it are returned. A key line
//   without "=" reads as missing.
// - Writing replaces the value on the key's line, or adds the key after the
//   last key of its section, or adds the section at the end of the file. A
//   write of the value the key already holds leaves its line as the user wrote
//   it. Every other byte of the file stays as it was.
// - Text is 8-bit bytes throughout; any bytes load.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "app/platform/Outcome.h"

namespace trelio {

// The private-profile reading of an integer value: "0x"/"0X" followed by
// hexadecimal digits (a text of more than two characters), else a decimal
// number with an optional sign, or "$" and hexadecimal digits after the sign.
// Hexadecimal fills the 32 bits ("$FFFFFFFF" is -1). False for anything else,
// the empty text included, and for values outside 32 bits.
bool ReadProfileInteger(std::string_view text, int32_t& value);

class IniFile {
 public:
  static constexpr size_t kMaxValueLength = 2047;

  // More is not an INI file of this program's; it is refused unread.
  static constexpr uint64_t kMaxFileBytes = 16 << 20;

  IniFile() = default;
  // Reads the file at path. A missing file reads as empty; a file that exists
  // but cannot be read (or is not a regular file, or is larger than
  // kMaxFileBytes) also reads as empty and sets LoadError.
  static IniFile Load(std::string path);
  // The given bytes, to be flushed to path.
  static IniFile FromBytes(std::string bytes, std::string path = {});

  const std::string& Path() const { return path_; }
  // Why the file could not be read; ok when it was read or did not exist.
  const Outcome& LoadError() const { return loadError_; }
  // The bytes that Flush writes.
  const std::string& Bytes() const { return text_; }

  std::string ReadString(std::string_view section, std::string_view key,
                         std::string_view defaultValue) const;
  // The key's default when it is missing or does not read as an integer.
  int32_t ReadInteger(std::string_view section, std::string_view key, int32_t defaultValue) const;

  // A name that the file could not hold (an empty one, a line break in it, "]"
  // in a section name, "=" in a key name or a key name beginning with ";" or
  // "[") is not written: Flush then fails with the reason of the first such
  // name and writes nothing. Line breaks in a value are written as blanks, so
  // that a value cannot add lines of its own.
  void WriteString(std::string_view section, std::string_view key, std::string_view value);
  // Written in decimal.
  void WriteInteger(std::string_view section, std::string_view key, int32_t value);

  // Writes the bytes to Path() when anything was written since loading: into
  // a temporary file in the same folder, flushed to disk, then renamed over the
  // file, so the file is either the old or the complete new one. When it
  // fails, the old file is unchanged. Refuses to replace a file that existed
  // but could not be read at Load, so its contents are not lost.
  Outcome Flush();

 private:
  struct Section {
    size_t bodyBegin;  // just after the header line
    size_t bodyEnd;    // at the next section header, or the end of the text
  };
  struct KeyLine;

  void Index();
  const Section* FindSection(std::string_view name) const;
  KeyLine FindKey(const Section& section, std::string_view key) const;
  std::string_view ValueOf(const KeyLine& key) const;
  void Splice(size_t begin, size_t end, std::string_view with);
  std::string LineBreak() const;

  std::string path_;
  Outcome loadError_;
  std::string writeError_;  // the first name refused by WriteString
  std::string text_;
  std::vector<Section> sections_;                   // the first section of each name, in file order
  std::unordered_map<std::string, size_t> byName_;  // lower-cased name -> sections_ entry
  bool dirty_ = false;
};

}  // namespace trelio
