// The language engine: at most one active language, an open language module
// with one language selected in it. While a language is active every message
// text lookup is answered from it.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "localisation/LcfRecords.h"
#include "localisation/PeResources.h"

namespace trelio {

class LcForm;

// Called by LcLoadLanguage for each language of the module in header order;
// returning 0 stops the enumeration.
using LcEnumLanguageProc = std::function<int32_t(int32_t lcid, intptr_t userData)>;

// Where a language stands in the module.
struct LcfLanguage {
  int32_t slot = 0;      // string-table slot
  int32_t column = 0;    // position in the header, the class-table column
  int32_t codePage = 0;  // 8-bit code page; 0 is the system's default
};

class TLcf {
 public:
  explicit TLcf(intptr_t userData = 0) : UserData(userData) {}

  // Opens the module, reads its header, enumerates its languages and selects
  // the LCID: -1 the module is unusable, 0 it lacks the LCID, 1 selected.
  int32_t Open(const std::string& fileName, int32_t lcid, const LcEnumLanguageProc& callback);
  // Open over bytes already in memory.
  int32_t OpenBytes(std::vector<uint8_t> bytes, int32_t lcid, const LcEnumLanguageProc& callback);

  // The slot, column and code page of an LCID; the remembered values for the
  // selected one.
  std::optional<LcfLanguage> FindLanguage(int32_t lcid) const;

  // A message text in the selected language's code page: the module's
  // translation when it has one, else the built-in text.
  std::string TranslateResString(uint16_t id) const;

  // The entries of a window class's table for a column, in visiting order;
  // nullopt when the module has no table of that class name (the name is
  // compared without regard to case). A table with no entries is present.
  std::optional<std::vector<LcfEntry>> ReadClassTable(std::string_view className,
                                                      int32_t column) const;

  // Writes the texts of a language into a window and its components; false
  // when the language is not in the module or the window's own class has no
  // table.
  bool ApplyToForm(LcForm& form, int32_t lcid) const;

  const std::optional<LcfHeader>& Header() const { return header_; }

  int32_t Slot = 0;
  int32_t Column = 0;
  std::optional<int32_t> SelectedLcid;
  int32_t CodePage = 0;
  intptr_t UserData = 0;
  bool HeaderIsFirstForm = true;

 private:
  int32_t Select(int32_t lcid, const LcEnumLanguageProc& callback);

  std::optional<PeModule> module_;
  std::optional<LcfHeader> header_;
};

// The default ANSI code page of an LCID from the locale data; 0 when unknown.
int32_t LcLocaleCodePage(int32_t lcid);
// Wide text to a code page, one byte per UTF-16 unit of a single-byte code
// page; characters the code page lacks become its default character "?".
std::string LcWideToCodePage(std::u16string_view text, int32_t codePage);
// The built-in text of a message, at most 1023 UTF-16 units.
std::u16string LoadOriginalString(uint16_t id);

// Releases the active language first, then opens the module and selects the
// LCID. 1: the language is active and answers every message lookup; 0 or -1
// (see TLcf::Open): no language is active.
int32_t LcLoadLanguage(const std::string& fileName, int32_t lcid,
                       const LcEnumLanguageProc& callback, intptr_t userData);

// The active language, or null. A holder keeps the module open: a language
// that is switched away from is closed when its last holder lets it go, so a
// lookup in flight always finishes on the language it started with.
std::shared_ptr<const TLcf> LcActiveLanguage();

// Ends the active language; message texts are the built-in ones again.
void LcReleaseLanguage();

// The language module beside a program file: its path with the extension
// replaced by ".lcf", or ".lcf" appended when it has none.
std::string LcModulePathFor(std::string_view programPath);

}  // namespace trelio
