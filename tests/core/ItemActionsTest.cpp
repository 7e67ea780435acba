#include "app/core/items/ItemActions.h"

#include <gtest/gtest.h>

#include "app/core/items/UrlEncode.h"

namespace trelio {
namespace {

TEST(UrlEncodeTest, KeepsUnreservedBytesAndEncodesTheRest) {
  const struct {
    std::string text;
    const char* expected;
  } cases[] = {
      {"http://a.io/x-y_z.~", "http://a.io/x-y_z.~"},
      {"AZaz09", "AZaz09"},
      {"a b", "a%20b"},
      {"&=?#%+;", "%26%3D%3F%23%25%2B%3B"},
      {"\xcf\xf0\xe8\xe2\xe5\xf2", "%CF%F0%E8%E2%E5%F2"},
      {std::string("\0\n\x7f\xff", 4), "%00%0A%7F%FF"},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(UrlEncode(c.text), c.expected) << c.expected;
}

TEST(ItemActionsTest, EachActionHasItsQuery) {
  FaucetItem row;
  row.Edit(fCurrency) = "bitcoin cash";
  row.Edit(fName) = "A&B=C";
  row.Edit(fUrl) = "http://a.io/f?r={R}";
  row.Edit(fInterval) = "60";
  row.Edit(fInput) = "?";
  const struct {
    ItemAction action;
    const char* expected;
  } cases[] = {
      {ItemAction::Add,
       "http://host:8080/trelio/a.php?a=add&c=bitcoin%20cash&n=A%26B%3DC&l=http://a.io/"
       "f&m=60&i=%3F"},
      {ItemAction::Remove, "http://host:8080/trelio/a.php?a=remove&l=http://a.io/f"},
      {ItemAction::Hide, "http://host:8080/trelio/a.php?a=hide&l=http://a.io/f"},
      {ItemAction::Show, "http://host:8080/trelio/a.php?a=show&l=http://a.io/f"},
      {ItemAction::FavoriteAdd, "http://host:8080/trelio/a.php?a=fauadd&l=http://a.io/f"},
      {ItemAction::FavoriteDelete, "http://host:8080/trelio/a.php?a=faudel&l=http://a.io/f"},
  };
  for (const auto& c : cases) EXPECT_EQ(ItemActionUrl("host:8080", c.action, row), c.expected);
}

TEST(ItemActionsTest, KeyIsEncodedToo) {
  FaucetItem row;
  row.Edit(fUrl) = "http://a.io/x y&z/ref/me";
  EXPECT_EQ(ItemActionUrl("s", ItemAction::Hide, row),
            "http://s/trelio/a.php?a=hide&l=http://a.io/x%20y%26z");
  EXPECT_EQ(ItemActionUrl("s", ItemAction::Add, FaucetItem{}),
            "http://s/trelio/a.php?a=add&c=&n=&l=&m=&i=");
}

}  // namespace
}  // namespace trelio
