#include "localisation/LcUnit.h"

#include <mutex>
#include <utility>

#include "app/core/text/Messages.h"
#include "app/platform/CodePage.h"
#include "app/platform/LocaleInfo.h"

namespace trelio {
namespace {

// The built-in table is read through a buffer of this many UTF-16 units, its
// terminator included.
constexpr size_t kOriginalStringBuffer = 1024;

std::mutex& ActiveMutex() {
  static std::mutex m;
  return m;
}

std::shared_ptr<const TLcf>& Active() {
  static std::shared_ptr<const TLcf> active;
  return active;
}

// Makes a language the active one (or none). The previous language goes when
// its last holder, perhaps a lookup in flight, lets it go.
void SetActive(std::shared_ptr<const TLcf> language) {
  std::shared_ptr<const TLcf> previous;
  {
    std::lock_guard lock(ActiveMutex());
    previous = std::exchange(Active(), language);
  }
  if (language) {
    SetMessageLookup([language](uint16_t id) {
      return EncodedText{language->TranslateResString(id), language->CodePage};
    });
  } else {
    SetMessageLookup(nullptr);
  }
}

}  // namespace

int32_t TLcf::Open(const std::string& fileName, int32_t lcid, const LcEnumLanguageProc& callback) {
  module_ = PeModule::Open(fileName);
  if (!module_) return -1;
  return Select(lcid, callback);
}

int32_t TLcf::OpenBytes(std::vector<uint8_t> bytes, int32_t lcid,
                        const LcEnumLanguageProc& callback) {
  module_ = PeModule::FromBytes(std::move(bytes));
  if (!module_) return -1;
  return Select(lcid, callback);
}

int32_t TLcf::Select(int32_t lcid, const LcEnumLanguageProc& callback) {
  // The second form is only for a module without the first: a first one that
  // cannot be loaded leaves the module without a usable header.
  PeModule::RcDataLookup header = module_->LookUpRcData("LCHEADER");
  HeaderIsFirstForm = header.exists;
  if (!header.exists) header = module_->LookUpRcData("LCHEADE2");
  const std::optional<ResourceBytes> bytes = header.bytes;
  if (!bytes) return -1;
  header_ = ReadLcfHeader(*bytes, HeaderIsFirstForm);
  if (!header_) return -1;
  if (callback)
    for (int32_t i = 0; i < header_->languageCount; ++i)
      if (callback(header_->Lcid(i), UserData) == 0) break;
  const std::optional<LcfLanguage> found = FindLanguage(lcid);
  if (!found) return 0;
  Slot = found->slot;
  Column = found->column;
  CodePage = found->codePage;
  SelectedLcid = lcid;
  return 1;
}

std::optional<LcfLanguage> TLcf::FindLanguage(int32_t lcid) const {
  if (!header_) return std::nullopt;
  if (SelectedLcid == lcid) return LcfLanguage{Slot, Column, CodePage};
  for (int32_t i = 0; i < header_->languageCount; ++i) {
    if (header_->Lcid(i) != lcid) continue;
    return LcfLanguage{header_->ExtraLeadingSlot() ? i + 1 : i, i,
                       header_->firstForm ? LcLocaleCodePage(lcid) : header_->StoredCodePage(i)};
  }
  return std::nullopt;
}

std::string TLcf::TranslateResString(uint16_t id) const {
  if (module_)
    if (const std::optional<ResourceBytes> table = module_->FindRcData(std::to_string(id)))
      if (const std::optional<std::u16string> text = ReadLcfStringSlot(*table, Slot))
        return LcWideToCodePage(*text, CodePage);
  return LcWideToCodePage(LoadOriginalString(id), CodePage);
}

std::optional<std::vector<LcfEntry>> TLcf::ReadClassTable(std::string_view className,
                                                          int32_t column) const {
  if (!module_) return std::nullopt;
  const std::optional<ResourceBytes> table = module_->FindRcData(className);
  if (!table) return std::nullopt;
  return ReadLcfClassTable(*table, column);
}

int32_t LcLocaleCodePage(int32_t lcid) { return LocaleDefaultAnsiCodePage(lcid); }

std::string LcWideToCodePage(std::u16string_view text, int32_t codePage) {
  if (text.empty()) return {};
  return Utf16ToAnsi(text, codePage);
}

std::u16string LoadOriginalString(uint16_t id) {
  std::u16string text = BuiltInMessage(id);
  if (text.size() > kOriginalStringBuffer - 1) text.resize(kOriginalStringBuffer - 1);
  return text;
}

int32_t LcLoadLanguage(const std::string& fileName, int32_t lcid,
                       const LcEnumLanguageProc& callback, intptr_t userData) {
  LcReleaseLanguage();
  auto language = std::make_shared<TLcf>(userData);
  const int32_t result = language->Open(fileName, lcid, callback);
  if (result == 1) SetActive(std::move(language));
  return result;
}

std::shared_ptr<const TLcf> LcActiveLanguage() {
  std::lock_guard lock(ActiveMutex());
  return Active();
}

void LcReleaseLanguage() { SetActive(nullptr); }

std::string LcModulePathFor(std::string_view programPath) {
  const size_t slash = programPath.rfind('/');
  const size_t dot = programPath.rfind('.');
  const bool hasExtension =
      dot != std::string_view::npos && (slash == std::string_view::npos || dot > slash);
  return std::string(programPath.substr(0, hasExtension ? dot : programPath.size())) + ".lcf";
}

}  // namespace trelio
