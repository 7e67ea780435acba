#include "app/core/list/NameCollator.h"

#include <unicode/ucol.h>

#include <cstdlib>

#include "app/platform/CodePage.h"
#include "app/platform/LocaleEnvironment.h"

namespace trelio {

NameCollator::NameCollator(const std::string& locale, int codePage) : codePage_(codePage) {
  UErrorCode status = U_ZERO_ERROR;
  collator_ = ucol_open(locale.c_str(), &status);
  if (U_FAILURE(status)) {
    if (collator_) ucol_close(collator_);
    status = U_ZERO_ERROR;
    collator_ = ucol_open("", &status);
    if (U_FAILURE(status)) {
      if (collator_) ucol_close(collator_);
      collator_ = nullptr;
      return;
    }
  }
  // Secondary strength: letter case is ignored, accents are not.
  ucol_setStrength(collator_, UCOL_SECONDARY);
}

NameCollator::~NameCollator() {
  if (collator_) ucol_close(collator_);
}

std::string NameCollator::SortKey(std::string_view name) const {
  const std::u16string text = AnsiToUtf16(name, codePage_);
  if (!collator_) {
    // No collation data: code unit order still gives a usable key.
    std::string key;
    for (char16_t c : text) key += {char(c >> 8), char(c & 0xFF)};
    return key;
  }
  std::string key(64, '\0');
  for (;;) {
    const int32_t n = ucol_getSortKey(collator_, text.data(), int32_t(text.size()),
                                      reinterpret_cast<uint8_t*>(key.data()), int32_t(key.size()));
    if (n <= int32_t(key.size())) {
      // Without its terminating zero, the only zero byte of a key.
      key.resize(n > 0 ? n - 1 : 0);
      return key;
    }
    key.resize(n);
  }
}

const NameCollator& NameCollator::ForUser() {
  static const NameCollator collator(UserCollationLocale(), SystemAnsiCodePage());
  return collator;
}

std::string CollationLocaleId(std::string_view posixLocale) {
  const LocaleName name = ParseLocaleName(std::string(posixLocale));
  if (name.language.empty() || name.country.empty()) return name.language;
  return name.language + "_" + name.country;
}

std::string UserCollationLocale() {
  for (const char* var : {"LC_ALL", "LC_COLLATE", "LANG"}) {
    const char* value = std::getenv(var);
    if (value && *value) return CollationLocaleId(value);
  }
  return {};
}

}  // namespace trelio
