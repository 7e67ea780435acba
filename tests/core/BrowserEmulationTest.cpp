#include "app/core/settings/BrowserEmulation.h"

#include <gtest/gtest.h>

#include "app/platform/IniFile.h"
#include "app/platform/RegistryStore.h"
#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

TEST(BrowserEmulationTest, ValueIsNamedAfterTheExecutablesFileName) {
  test::ScratchFolder dir;
  ASSERT_TRUE(
      WriteBrowserEmulation(dir.path(), "/opt/korvane trelio/bin/korvane-trelio", 11001).ok());
  const IniFile store = IniFile::Load(RegistryStorePath(dir.path()));
  EXPECT_EQ(store.ReadInteger(kBrowserEmulationKeyPath, "korvane-trelio", 0), 11001);
  EXPECT_FALSE(WriteBrowserEmulation("", "/bin/korvane-trelio", 11001).ok());
}

}  // namespace
}  // namespace trelio
