#include <gtest/gtest.h>

#include "app/core/settings/LanguageSetting.h"

namespace trelio {
namespace {

// A dialog's showings in a row: translated on the first, again only after a
// change of language, and the codes compared exactly.
TEST(LanguageChangeTest, ADialogTranslatesOncePerLanguage) {
  const struct {
    const char* shownIn;
    bool translates;
  } showings[] = {{"en", true},  {"en", false}, {"ru", true},
                  {"ru", false}, {"RU", true},  {"en", true}};
  std::string translatedTo;
  for (const auto& s : showings) {
    EXPECT_EQ(TakeLanguageChange(translatedTo, s.shownIn), s.translates) << s.shownIn;
    EXPECT_EQ(translatedTo, s.shownIn);
  }
}

}  // namespace
}  // namespace trelio
