#include "app/core/page/ReferralUrl.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

TEST(ReferralUrlTest, PutsTheReferralByTheFirstRuleThatApplies) {
  const struct {
    const char* url;
    const char* ref;
    const char* expected;
  } cases[] = {
      // "{R}" wins over every parameter, each occurrence replaced.
      {"http://a.io/{R}/x?r=1&b={R}", "ME", "http://a.io/ME/x?r=1&b=ME"},
      {"http://a.io/?r={R}", "", "http://a.io/?r="},
      {"http://a.io/{r}", "ME", "http://a.io/{r}?r=ME"},
      // No query at all.
      {"http://a.io/page", "ME", "http://a.io/page?r=ME"},
      {"", "ME", "?r=ME"},
      // The parameter keeps what followed it, behind the inserted "&".
      {"http://a.io/?r=old", "ME", "http://a.io/?r=ME&old"},
      {"http://a.io/?r=", "ME", "http://a.io/?r=ME&"},
      {"http://a.io/?r=", "", "http://a.io/?r=&"},
      {"http://a.io/?r=1&x=?R=2", "ME", "http://a.io/?r=ME&1&x=?r=ME&2"},
      {"http://a.io/?x=1&r=old", "ME", "http://a.io/?x=1&r=ME&old"},
      {"http://a.io/?x=1&R=a&r=b", "ME", "http://a.io/?x=1&r=ME&a&r=ME&b"},
      {"http://a.io/?ref=old", "ME", "http://a.io/?ref=ME&old"},
      {"http://a.io/?x&REF=a&ref=b", "ME", "http://a.io/?x&ref=ME&a&ref=ME&b"},
      // "?r=" before "&ref=": only the first kind of parameter found takes the referral.
      {"http://a.io/?r=1&ref=2", "ME", "http://a.io/?r=ME&1&ref=2"},
      // The presence tests are case-sensitive.
      {"http://a.io/?R=1", "ME", "http://a.io/?R=1"},
      {"http://a.io/?x=1", "ME", "http://a.io/?x=1"},
      {"http://a.io/?", "ME", "http://a.io/?"},
      // The referral goes in as it is.
      {"http://a.io/", "a b&c", "http://a.io/?r=a b&c"},
  };
  for (const auto& c : cases) EXPECT_EQ(AddReferral(c.url, c.ref), c.expected) << c.url;
}

TEST(ReferralUrlTest, AcceptsAnyBytes) {
  const std::string binary("\0?r=\xff\0", 6);
  EXPECT_EQ(AddReferral(binary, "x"), std::string("\0?r=x&\xff\0", 8));
  const std::string huge(1 << 20, '?');
  EXPECT_EQ(AddReferral(huge, "x"), huge);
  EXPECT_EQ(AddReferral(std::string(1000, '{') + "{R}", "x"), std::string(1000, '{') + "x");
}

TEST(ReferralUrlTest, KeyWithoutSchemeDropsTheSchemeWhereverItStands) {
  const struct {
    const char* url;
    const char* expected;
  } cases[] = {
      {"http://a.io/x?r=1", "a.io/x"},
      {"https://a.io/ref/me", "a.io"},
      {"https://a.io/x{R}", "a.io/x"},
      {"a.io/x", "a.io/x"},
      // Found anywhere, the first 7 or 8 characters go.
      {"www.http://a.io", "p://a.io"},
      {"abcdefghttps://z", "ttps://z"},
      {"http://https://a", "https://a"},
      {"HTTP://a.io", "HTTP://a.io"},
      {"?http://a.io", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(StripReferralAndScheme(c.url), c.expected) << c.url;
}

}  // namespace
}  // namespace trelio
