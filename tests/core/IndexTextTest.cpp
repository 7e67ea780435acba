#include "app/core/index/IndexLineWriter.h"
#include "app/core/index/IndexLines.h"
#include "app/core/index/IndexText.h"
#include "app/core/index/UrlKey.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace trelio {
namespace {

TEST(UrlKeyTest, CutsBeforeTheFirstReferralMark) {
  const struct {
    const char* url;
    const char* key;
  } cases[] = {
      {"http://a.example/ref/xyz?r=1", "http://a.example/ref/xyz"},
      {"http://a.example/page/ref/xyz/ref/2", "http://a.example/page"},
      {"http://a.example/claim{R}", "http://a.example/claim"},
      {"http://a.example/{R}/ref/x", "http://a.example/{R}"},
      {"http://a.example/?r={R}", "http://a.example/"},
      {"http://a.example/REF/x", "http://a.example/REF/x"},
      {"http://a.example/{r}", "http://a.example/{r}"},
      {" http://a.example/ ", " http://a.example/ "},
      {"?r=1", ""},
      {"", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(StripReferral(c.url), c.key) << c.url;
}

TEST(IndexTextTest, StripQuotesTakesOffOneEnclosingPair) {
  const struct {
    const char* text;
    const char* result;
  } cases[] = {
      {"\"", "\""},       {"\"\"", ""},       {"\"\"\"", "\""},   {"\"\"\"\"", "\"\""},
      {"\"abc\"", "abc"}, {"\"abc", "\"abc"}, {"abc\"", "abc\""}, {"a\"b\"c", "a\"b\"c"},
      {"", ""},           {"x", "x"},
  };
  for (const auto& c : cases) EXPECT_EQ(StripQuotes(c.text), c.result) << c.text;
  EXPECT_EQ(StripQuotes("'a'", "'"), "a");
  EXPECT_EQ(StripQuotes("\"a\"", ""), "\"a\"");
}

TEST(IndexTextTest, NormalizeDecimalReplacesEverySystemSeparator) {
  EXPECT_EQ(NormalizeDecimal("1,5,7", ','), "1.5.7");
  EXPECT_EQ(NormalizeDecimal("1,5", '.'), "1,5");
  EXPECT_EQ(NormalizeDecimal("0.5", ','), "0.5");
  EXPECT_EQ(NormalizeDecimal("", ','), "");
}

std::vector<std::string> Lines(const std::string& bytes) {
  std::vector<std::string> lines;
  IndexLineReader reader(bytes);
  std::string_view line;
  while (reader.Next(line)) lines.emplace_back(line);
  return lines;
}

TEST(IndexTextTest, LinesEndAtCrOrLfAndGoOnAfterTheNextLf) {
  using V = std::vector<std::string>;
  const struct {
    std::string bytes;
    V lines;
  } cases[] = {
      {"", {}},
      {"a\r\nb\r\n", {"a", "b"}},
      {"a\nb", {"a", "b"}},
      {"a\r\n\r\nb\r\n", {"a", "", "b"}},
      {"a\rlost\nb\n", {"a", "b"}},
      {"a\rb\rc", {"a"}},
      {"a\n\n", {"a", ""}},
      {"\n", {""}},
      {"a\r", {"a"}},
      {"\r\r\nb\rc\n\rd", {"", "b", ""}},
      {"a\r\nb\x1A"
       "c\r\nd\r\n",
       {"a", "b"}},
      {"\x1A"
       "a\r\n",
       {}},
      {"a\r\x1A\nb\n", {"a"}},
      {std::string("a\0b\r\nc", 6), {std::string("a\0b", 3), "c"}},
  };
  for (const auto& c : cases) EXPECT_EQ(Lines(c.bytes), c.lines) << c.bytes;
}

TEST(IndexTextTest, SplitsPositionallyAndStripsQuotesPerField) {
  const struct {
    const char* line;
    std::vector<std::string> leading;  // fields from 0; the rest must be empty
  } cases[] = {
      {"bitcoin;Name", {"bitcoin", "Name"}},
      {"one", {"one"}},
      {"a;", {"a", ""}},
      {"\"a;b\";c", {"\"a", "b\"", "c"}},
      {"\";\"\";\"\"\";\"\"\"\"", {"\"", "", "\"", "\"\""}},
      {";;x", {"", "", "x"}},
      // Separators before, at and after the ends of eight-byte words, beside
      // bytes that differ from ";" in one bit.
      {"0123456;", {"0123456", ""}},
      {"01234567;x", {"01234567", "x"}},
      {"0123456789abcdef;:\xBB\xBBz{;;\x3A\xBB", {"0123456789abcdef", ":\xBB\xBBz{", "", ":\xBB"}},
  };
  for (const auto& c : cases) {
    FaucetItem item;
    item.Edit(fFavorite) = "stale";
    SplitIndexLine(c.line, ';', item);
    for (int f = 0; f < kFaucetFieldCount; ++f) {
      const std::string expected = f < int(c.leading.size()) ? c.leading[f] : "";
      EXPECT_EQ(item.Fields()[f], expected) << c.line << " field " << f;
    }
  }
  FaucetItem item;
  std::string line;
  for (int f = 0; f < 25; ++f) line += std::to_string(f) + ";";
  SplitIndexLine(line, ';', item);
  EXPECT_EQ(item[fCurrency], "0");
  EXPECT_EQ(item[fFavorite], "18");
}

// The load trusts the split's answer instead of comparing the line again.
TEST(IndexTextTest, TheSplitTellsWhetherTheLineIsItsFieldsJoined) {
  const std::string full = "a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s";
  const std::string lines[] = {
      full,
      full + ";",
      full + ";t",
      full.substr(0, full.size() - 2),
      ";;;;;;;;;;;;;;;;;;",
      ";;;;;;;;;;;;;;;;;",
      "\"a\";b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s",
      "\"\"a\"\";b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s",
      "\";b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;\"",
      "a;b;c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;\"\"",
      "a\"b;\"\"\";c;d;e;f;g;h;i;j;k;l;m;n;o;p;q;r;s",
      "",
  };
  for (const std::string& line : lines) {
    FaucetItem item;
    const bool exact = SplitIndexLine(line, ';', item);
    EXPECT_EQ(exact, LineIsWrittenAs(line, item)) << line;
  }
  FaucetItem item;
  EXPECT_TRUE(SplitIndexLine(full, ';', item));
  EXPECT_FALSE(SplitIndexLine(full + ";", ';', item));
}

TEST(IndexTextTest, FieldsCannotBreakTheLineTheyAreWrittenTo) {
  const struct {
    FaucetField field;
    const char* text;
    const char* written;
  } cases[] = {
      {fUrl, "http://a.example/?a=1;b=2", "http://a.example/?a=1%3Bb=2"},
      {fName, "Best;faucet", "Bestfaucet"},
      {fInput, "field;name", "fieldname"},
      {fName, "two\r\nlines\n", "twolines"},
      {fUrl, "http://a.example/\r\n", "http://a.example/"},
      {fName, "end\x1Aof input", "endof input"},
      {fName, "\"quoted\"", "\"\"quoted\"\""},
      {fName, "\"\"", "\"\"\"\""},
      {fName, "\"", "\""},
      {fName, "\";x\"", "\"\"x\"\""},
      {fName, "plain \"inner\" text", "plain \"inner\" text"},
      {fName, "", ""},
  };
  for (const auto& c : cases) {
    const FaucetField next = FaucetField(c.field + 1);
    FaucetItem row;
    row.Edit(c.field) = c.text;
    row.Edit(next) = "next";
    std::string line;
    AppendIndexLine(line, row, kFaucetFieldCount, '.');
    ASSERT_EQ(Lines(line).size(), 1u) << c.text;
    line = Lines(line)[0];
    // Every field but this one is empty or "next", so none holds a ";".
    std::vector<std::string> fields;
    for (size_t at = 0;;) {
      const size_t end = line.find(';', at);
      fields.push_back(line.substr(at, end - at));
      if (end == std::string::npos) break;
      at = end + 1;
    }
    ASSERT_EQ(fields.size(), size_t(kFaucetFieldCount)) << c.text;
    const std::string& written = fields[c.field];
    EXPECT_EQ(written, c.written) << c.text;
    // What is written reads back as one field, as written before the quotes.
    FaucetItem back;
    SplitIndexLine(line, ';', back);
    EXPECT_EQ(back[c.field], StripQuotes(written)) << c.text;
    EXPECT_EQ(back[next], "next") << c.text;
  }
}

}  // namespace
}  // namespace trelio
