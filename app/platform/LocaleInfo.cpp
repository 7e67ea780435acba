#include "app/platform/LocaleInfo.h"

#include "app/platform/LanguageTable.h"
#include "app/platform/LocaleEnvironment.h"

namespace trelio {

std::string GetLocaleInformation(int type) {
  std::string info;
  if (type == kLocaleSAbbrevLangName) info = AbbreviatedLanguageName(UserLocaleName());
  if (info.size() >= size_t(kLocaleInfoBufferChars)) info.clear();
  return info;
}

}  // namespace trelio
