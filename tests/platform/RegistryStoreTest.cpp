#include "app/platform/RegistryStore.h"

#include <gtest/gtest.h>

#include "app/platform/IniFile.h"
#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

constexpr const char* kEmulationKey =
    "Software\\Microsoft\\Internet Explorer\\Main\\FeatureControl\\FEATURE_BROWSER_EMULATION";

TEST(RegistryStoreTest, WritesOneSectionPerKeyPathInTheConfigFolder) {
  ScratchFolder dir;
  const std::string config = dir / "config";  // does not exist yet
  EXPECT_EQ(RegistryStorePath(config), config + "/korvane-trelio/registry.ini");

  ASSERT_TRUE(WriteRegistryInteger(config, kEmulationKey, "korvane-trelio", 11001).ok());
  ASSERT_TRUE(WriteRegistryInteger(config, "software\\other", "x", -1).ok());
  // Key paths and value names match without regard to case, as in the registry.
  ASSERT_TRUE(WriteRegistryInteger(config,
                                   "SOFTWARE\\MICROSOFT\\Internet Explorer\\Main\\"
                                   "FeatureControl\\FEATURE_BROWSER_EMULATION",
                                   "KORVANE-TRELIO", 12001)
                  .ok());
  EXPECT_EQ(
      ReadBytes(RegistryStorePath(config)),
      std::string("[") + kEmulationKey + "]\nkorvane-trelio=12001\n[software\\other]\nx=-1\n");
}

TEST(RegistryStoreTest, FailuresAreReportedAndStoredValuesStay) {
  ScratchFolder dir;
  EXPECT_FALSE(WriteRegistryInteger("", kEmulationKey, "korvane-trelio", 1).error.empty());

  ASSERT_TRUE(WriteRegistryInteger(dir.path(), kEmulationKey, "app", 1).ok());
  const std::string stored = ReadBytes(RegistryStorePath(dir.path()));
  EXPECT_EQ(WriteRegistryInteger(dir.path(), kEmulationKey, "a=b", 2).error,
            "INI key name cannot be stored: \"a=b\"");
  EXPECT_EQ(ReadBytes(RegistryStorePath(dir.path())), stored);

  WriteBytes(dir / "file", "not a folder");
  const Outcome blocked = WriteRegistryInteger(dir / "file", kEmulationKey, "app", 1);
  ASSERT_TRUE(blocked.file);
  EXPECT_EQ(blocked.file->step, FileStep::kCreateFolder);
  EXPECT_EQ(blocked.file->path, dir / "file/korvane-trelio");
}

}  // namespace
}  // namespace trelio
