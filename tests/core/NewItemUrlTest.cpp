#include "app/core/items/NewItemUrl.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

TEST(NewItemUrlTest, GetsHttpOnlyWithoutEitherScheme) {
  struct Case {
    std::u16string_view typed;
    std::u16string_view url;
  };
  for (const Case& c : {
           Case{u"moon.example/x", u"http://moon.example/x"},
           Case{u"http://moon.example/", u"http://moon.example/"},
           Case{u"https://sun.example/", u"https://sun.example/"},
           // Anywhere in the text counts, as typed.
           Case{u"see https://sun.example/", u"see https://sun.example/"},
           Case{u"moon.example/?to=http://x", u"moon.example/?to=http://x"},
           // The schemes are matched in their exact case.
           Case{u"HTTP://moon.example/", u"http://HTTP://moon.example/"},
           Case{u"\u043b\u0443\u043d\u0430.example", u"http://\u043b\u0443\u043d\u0430.example"},
       })
    EXPECT_EQ(NewItemUrl(c.typed), c.url);
}

}  // namespace
}  // namespace trelio
