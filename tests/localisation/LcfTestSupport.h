// Language modules for the tests: records written byte by byte, and modules
// made from them with the same windres and ld as the build's.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "localisation/pack/TranslationSource.h"
#include "tests/support/ScratchFolder.h"

namespace trelio::test {

using Bytes = std::vector<uint8_t>;

// A record in the making: little-endian integers, ASCII and UTF-16LE text.
struct Blob {
  Bytes bytes;

  Blob& I32(int32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(uint8_t(uint32_t(v) >> (8 * i)));
    return *this;
  }
  Blob& Ascii(std::string_view s) {
    bytes.insert(bytes.end(), s.begin(), s.end());
    return *this;
  }
  Blob& Wide(std::u16string_view s) {
    for (char16_t c : s) bytes.push_back(uint8_t(c)), bytes.push_back(uint8_t(c >> 8));
    return *this;
  }
  int32_t Size() const { return int32_t(bytes.size()); }
};

// "LCHEADER" magic, flags, the LCIDs and, when given, the code pages.
inline Bytes HeaderRecord(std::vector<int32_t> lcids, int32_t flags = 0,
                          std::vector<int32_t> codePages = {}) {
  Blob b;
  b.Ascii("LCHEADER").I32(flags).I32(int32_t(lcids.size()));
  for (int32_t lcid : lcids) b.I32(lcid);
  for (int32_t cp : codePages) b.I32(cp);
  return b.bytes;
}

// A string table with the slots as given: {offset, length} pairs are computed
// for texts; a nullopt-like negative length is written as such.
struct Slot {
  std::u16string text;
  int32_t length = -2;  // -2: the text's own length; anything else is written as is
  int32_t offset = -1;  // -1: where the text lies
};

inline Bytes StringTable(const std::vector<Slot>& columnSlots) {
  Blob b;
  int32_t next = int32_t(8 * columnSlots.size());
  for (const Slot& s : columnSlots) {
    b.I32(s.offset == -1 ? next : s.offset);
    b.I32(s.length == -2 ? int32_t(2 * s.text.size()) : s.length);
    next += int32_t(2 * s.text.size());
  }
  for (const Slot& s : columnSlots) b.Wide(s.text);
  return b.bytes;
}

// One class entry: the key and the texts of each column (negative length: none).
struct Entry {
  std::string key;
  std::vector<Slot> columns;
};

inline Bytes ClassTable(std::string_view name, const std::vector<Entry>& entries) {
  Blob b;
  b.I32(int32_t(name.size())).Ascii(name).I32(int32_t(entries.size()));
  const size_t indexBase = b.bytes.size();
  Blob body;
  std::vector<int32_t> offsets;
  const int32_t bodyStart = int32_t(8 * entries.size());
  for (const Entry& e : entries) {
    offsets.push_back(bodyStart + body.Size());
    Blob entry;
    int32_t next = int32_t(8 + 8 * e.columns.size());
    entry.I32(next).I32(int32_t(e.key.size()));
    next += int32_t(e.key.size());
    for (const Slot& s : e.columns) {
      entry.I32(s.offset == -1 ? next : s.offset);
      entry.I32(s.length == -2 ? int32_t(2 * s.text.size()) : s.length);
      next += int32_t(2 * s.text.size());
    }
    entry.Ascii(e.key);
    for (const Slot& s : e.columns) entry.Wide(s.text);
    body.bytes.insert(body.bytes.end(), entry.bytes.begin(), entry.bytes.end());
  }
  for (int32_t o : offsets) b.I32(o).I32(0);
  EXPECT_EQ(b.bytes.size(), indexBase + 8 * entries.size());
  b.bytes.insert(b.bytes.end(), body.bytes.begin(), body.bytes.end());
  return b.bytes;
}

struct Resource {
  std::string name;
  Bytes bytes;
};

enum class PeKind { Pe32Plus, Pe32 };

inline Bytes FileBytes(const std::string& path) {
  const std::string bytes = ReadBytes(path);
  return Bytes(bytes.begin(), bytes.end());
}

// A resource-only module of these RCDATA resources, made by windres and ld.
inline Bytes BuildModule(const std::vector<Resource>& resources, PeKind kind = PeKind::Pe32Plus) {
  ScratchFolder dir;
  std::string script = "LANGUAGE 0, 0\n";
  for (size_t i = 0; i < resources.size(); ++i) {
    const std::string file = "r" + std::to_string(i) + ".bin";
    const Bytes& b = resources[i].bytes;
    WriteBytes(dir / file, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
    script += '"' + resources[i].name + "\" RCDATA " + file + "\n";
  }
  WriteBytes(dir / "m.rc", script);
  const bool pe32 = kind == PeKind::Pe32;
  const std::string windres = "cd '" + dir.path() + "' && " + KT_WINDRES +
                              " --preprocessor=cat -O coff -F " + (pe32 ? "pe-i386" : "pe-x86-64") +
                              " m.rc m.o";
  const std::string ld = std::string(KT_MINGW_LD) + (pe32 ? " -m i386pe" : "") +
                         " --dll -e 0 -s --no-insert-timestamp -T " + KT_LCF_LINKER_SCRIPT +
                         " -o '" + (dir / "m.lcf") + "' '" + (dir / "m.o") + "'";
  EXPECT_EQ(std::system(windres.c_str()), 0) << windres;
  EXPECT_EQ(std::system(ld.c_str()), 0) << ld;
  return FileBytes(dir / "m.lcf");
}

// The module the build made beside the program.
inline Bytes BuiltModuleBytes() { return FileBytes(KT_LANGUAGE_MODULE); }

// The translation sources the build made it from: every "*.txt" file of the
// folder, in name order, as the build passes them to the packer.
inline lcfpack::TranslationSources ReadSources() {
  std::vector<std::filesystem::path> files;
  for (const auto& entry : std::filesystem::directory_iterator(KT_LANG_SOURCES))
    if (entry.path().extension() == ".txt") files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  lcfpack::TranslationSources sources;
  for (const std::filesystem::path& file : files) lcfpack::ReadSourceFile(file.string(), sources);
  return sources;
}

}  // namespace trelio::test
