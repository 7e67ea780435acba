#include "app/core/page/ConsoleProtocol.h"

#include <gtest/gtest.h>

namespace trelio {
namespace {

TEST(ConsoleProtocolTest, ReadsKindAndValueOfMarkedLines) {
  const struct {
    std::string line;
    ConsoleKind kind;
    const char* value;
  } cases[] = {
      {"KorvaneTrelio#T: My faucet", ConsoleKind::Title, "My faucet"},
      {"KorvaneTrelio#I: 60", ConsoleKind::Interval, "60"},
      {"KorvaneTrelio#N: address", ConsoleKind::InputField, "address"},
      {"KorvaneTrelio#N: 3", ConsoleKind::InputField, "3"},
      // The two separators are skipped whatever they are.
      {"KorvaneTrelio#Ixy12", ConsoleKind::Interval, "12"},
      {"KorvaneTrelio#T:: : x", ConsoleKind::Title, " : x"},
      {std::string("KorvaneTrelio#T\0\0\xff", 18), ConsoleKind::Title, "\xff"},
  };
  for (const auto& c : cases) {
    const auto report = ParseConsoleLine(c.line);
    ASSERT_TRUE(report) << c.line;
    EXPECT_EQ(report->kind, c.kind) << c.line;
    EXPECT_EQ(report->value, c.value) << c.line;
  }
}

TEST(ConsoleProtocolTest, IgnoresOtherLines) {
  const char* cases[] = {
      "KorvaneTrelio#N: ",  // no value
      "KorvaneTrelio#T:",
      "KorvaneTrelio#",
      "",
      "korvanetrelio#T: x",
      "KORVANETRELIO#T: x",
      " KorvaneTrelio#T: x",
      "KorvaneTrelio#X: x",
      "KorvaneTrelio#t: x",
      "KorvaneTrelio#n: x",
      "Uncaught SyntaxError: Invalid or unexpected token",
  };
  for (const char* line : cases) EXPECT_FALSE(ParseConsoleLine(line)) << line;
}

}  // namespace
}  // namespace trelio
