#include "app/widgets/TextBridge.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <string>

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
    QLineEdit edit;
    edit.setText(AnsiToQString(printable));
    EXPECT_EQ(QStringToAnsi(edit.text()), printable);
  }
}

}  // namespace
}  // namespace trelio
