// The records of a language module: the header that lists the languages, the
// class tables of window texts and the string tables of message texts. Each
// reader takes the bytes of one resource and treats what does not fit in them
// as absent.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace trelio {

using ResourceBytes = std::span<const uint8_t>;

// The header resource: found as "LCHEADER" (code pages from the locale data)
// or, only when that is absent, as "LCHEADE2" (code pages in the record).
struct LcfHeader {
  ResourceBytes bytes;
  bool firstForm = true;  // found as "LCHEADER"
  int32_t flags = 0;
  // Languages whose LCID (and, in "LCHEADE2", code page) lie inside the
  // record, in column order; Count of 0 or less gives none.
  int32_t languageCount = 0;

  bool ExtraLeadingSlot() const { return (flags & 1) != 0; }
  int32_t Lcid(int32_t column) const;
  // The code page stored for a column; only meaningful in "LCHEADE2".
  int32_t StoredCodePage(int32_t column) const;
};

// Nullopt when the record is shorter than 16 bytes or does not begin with the
// magic "LCHEADER".
std::optional<LcfHeader> ReadLcfHeader(ResourceBytes bytes, bool firstForm);

// One entry of a class table for one column: the key split at "-" into the
// component and the property path (a second "-" and what follows dropped).
struct LcfEntry {
  std::string component;
  std::string path;
  std::u16string text;  // the translation; empty when there is none
  bool hasTranslation = false;
};

// The entries of a class table in visiting order (from the last index
// position down to the first), for the given column. Entries whose key or
// column pair lies outside the record, or whose key has no "-", are skipped;
// an index pair past the end ends the table, and so does a pair whose key and
// text would bring what the table gave beyond the record's size.
std::vector<LcfEntry> ReadLcfClassTable(ResourceBytes table, int32_t column);

// The translation in a string table's slot; nullopt when the slot has a
// negative length or it or its text lies outside the record.
std::optional<std::u16string> ReadLcfStringSlot(ResourceBytes table, int32_t slot);

}  // namespace trelio
