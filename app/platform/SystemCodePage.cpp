#include "app/platform/CodePage.h"
#include "app/platform/LanguageTable.h"
#include "app/platform/LocaleEnvironment.h"

namespace trelio {

int SystemAnsiCodePage() { return IsRussianFamily(UserLocaleName()) ? 1251 : 1252; }

}  // namespace trelio
