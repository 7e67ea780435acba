#include "app/core/index/IndexDownload.h"

#include <gtest/gtest.h>

#include "app/core/index/IndexMerge.h"
#include "tests/support/IndexFolderTest.h"

namespace trelio::test {
namespace {

// A network's sign-in page as it may come with status 200 in place of the
// index: its style and script lines hold ";".
constexpr const char* kSignInPage =
    "<!DOCTYPE html>\r\n"
    "<html><head><title>Sign in</title>\r\n"
    "<style>\r\n"
    "body { font-family: sans-serif; margin: 2em; }\r\n"
    "</style></head><body><form action=\"/login\"><input name=\"user\"></form>\r\n"
    "<script>var tries = 0; function again() { tries++; location.reload(); }</script>\r\n"
    "</body></html>\r\n";

class IndexDownloadTest : public IndexFolderTest {};

// Why the download checks the body at all: merged as it is, the page leaves
// rows of markup in the index, which every later save keeps.
TEST_F(IndexDownloadTest, ASignInPageMergedAsAnIndexAddsRowsOfMarkup) {
  WriteBytes(Path("index.tmp2"), kSignInPage);
  TemplateLists server, user;
  MergeIndex(state, Path("index.tmp2"), ';', {}, server, user);
  ASSERT_EQ(index.RowCount(), 3);
  EXPECT_EQ(index.Row(1)[fCurrency], "body { font-family: sans-serif");
  EXPECT_EQ(index.Row(2)[fCurrency], "<script>var tries = 0");
}

// An index begins with the header whose first five columns the merge takes
// by position; the program's index and both exports do.
TEST_F(IndexDownloadTest, OnlyABodyThatBeginsWithTheIndexHeaderIsAnIndex) {
  using R = IndexBodyRefusal;
  std::string binary(64 << 10, '\0');
  uint32_t x = 7;
  for (char& c : binary) c = char((x = x * 1103515245 + 12345) >> 24);
  struct Case {
    std::string body;
    R refusal;
  };
  const Case cases[] = {
      {kHeaderLine, R::none},
      {kHeaderLine + "bitcoin;<b>Bold</b>;http://a.example/;5\r\n", R::none},
      {"Currency;Name;Url;Interval;Input\r\nbitcoin;A;http://a.example/;5;\r\n", R::none},
      {"\xEF\xBB\xBF" + kHeaderLine, R::none},
      {"\"Currency\";\"Name\";\"Url\";\"Interval\";\"Input\"\n", R::none},
      {"Currency;Name;Url;Interval;Input", R::none},
      {kSignInPage, R::webPage},
      {"\xEF\xBB\xBF  \r\n\t<html><body>Error; try later</body></html>", R::webPage},
      {"<?xml version=\"1.0\"?><error/>", R::webPage},
      {"", R::notAnIndex},
      {"\r\n", R::notAnIndex},
      {"{\"status\":\"maintenance\"}", R::notAnIndex},
      {"Service unavailable", R::notAnIndex},
      {"bitcoin;No header;http://a.example/;5\r\n", R::notAnIndex},
      {"\r\n" + kHeaderLine, R::notAnIndex},
      {"Currency;Name;Url;Interval\r\nbitcoin;A;http://a.example/;5\r\n", R::notAnIndex},
      {"currency;name;url;interval;input\r\n", R::notAnIndex},
      {"Currency,Name,Url,Interval,Input\r\n", R::notAnIndex},
      {binary, R::notAnIndex},
  };
  for (const Case& c : cases) EXPECT_EQ(CheckIndexBody(c.body), c.refusal) << c.body.substr(0, 60);
}

}  // namespace
}  // namespace trelio::test
