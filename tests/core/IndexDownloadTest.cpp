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

TEST_F(IndexDownloadTest, OnlyABodyThatStartsAsMarkupIsRefused) {
  struct Case {
    std::string body;
    bool index;
  };
  const Case cases[] = {
      {kSignInPage, false},
      {"\xEF\xBB\xBF  \r\n\t<html><body>Error; try later</body></html>", false},
      {"<?xml version=\"1.0\"?><error/>", false},
      {"", true},  // an empty index file
      {"\r\n", true},
      {kHeaderLine, true},
      {kHeaderLine + "bitcoin;<b>Bold</b>;http://a.example/;5\r\n", true},
      {"Currency;Name;Url;Interval;Input\r\nbitcoin;A;http://a.example/;5;\r\n", true},
      {"bitcoin;No header;http://a.example/;5\r\n", true},  // the header is never compared
      {"Service unavailable", true},  // one line: skipped as a header, adds nothing
  };
  for (const Case& c : cases) EXPECT_EQ(CanBeIndexFile(c.body), c.index) << c.body;
}

}  // namespace
}  // namespace trelio::test
