#include "app/widgets/TextBridge.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <string>

#include "app/platform/CodePage.h"
#include "tests/support/ScopedEnv.h"

namespace trelio {
namespace {

using test::ScopedEnv;

// Every byte of an address or a field comes back unchanged from a widget in
// both system code pages, also those the code page leaves undefined.
TEST(TextBridgeTest, EveryByteRoundTripsThroughAWidget) {
  std::string all;
  for (int b = 0; b < 256; ++b) all += char(b);
  const std::string printable = all.substr(0x20);
  for (const char* locale : {"ru_RU.UTF-8", "en_US.UTF-8"}) {
    SCOPED_TRACE(locale);
    ScopedEnv env;
    env.Set("LC_ALL", locale);
    EXPECT_EQ(QStringToAnsi(AnsiToQString(all)), all);
    // A list found its code page once, before its texts.
    EXPECT_EQ(AnsiToQString(all, SystemAnsiCodePage()), AnsiToQString(all));
    QLineEdit edit;
    edit.setText(AnsiToQString(printable));
    EXPECT_EQ(QStringToAnsi(edit.text()), printable);
  }
}

TEST(TextBridgeTest, AnsiTextTakesTheLettersOfItsCodePage) {
  EXPECT_EQ(AnsiToQString("\xC0\xFF", 1251), QString::fromUtf8("\xD0\x90\xD1\x8F"));
  EXPECT_EQ(AnsiToQString("\xC0\xFF", 1252), QString::fromUtf8("\xC3\x80\xC3\xBF"));
  EXPECT_EQ(AnsiToQString("", 1251), QString());
}

}  // namespace
}  // namespace trelio
