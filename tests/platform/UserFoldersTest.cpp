#include "app/platform/UserFolders.h"

#include <gtest/gtest.h>

#include "tests/support/ScopedEnv.h"

namespace trelio {
namespace {

using test::ScopedEnv;

TEST(UserFoldersTest, XdgVariableElseHomeElseEmpty) {
  const struct {
    const char* xdgData;
    const char* xdgConfig;
    const char* home;
    const char* data;
    const char* config;
  } cases[] = {
      {"/x/data", "/x/config", "/home/u", "/x/data", "/x/config"},
      {"/x/data/", "/x/config//", "/home/u", "/x/data", "/x/config"},
      {nullptr, nullptr, "/home/u", "/home/u/.local/share", "/home/u/.config"},
      {"", "", "/home/u/", "/home/u/.local/share", "/home/u/.config"},
      {"relative", "rel", "/home/u", "/home/u/.local/share", "/home/u/.config"},
      {nullptr, nullptr, "/", "/.local/share", "/.config"},
      {nullptr, nullptr, "", "", ""},
      {nullptr, nullptr, nullptr, "", ""},
      {"/only/data", nullptr, nullptr, "/only/data", ""},
  };
  for (const auto& c : cases) {
    ScopedEnv env;
    env.Set("XDG_DATA_HOME", c.xdgData);
    env.Set("XDG_CONFIG_HOME", c.xdgConfig);
    env.Set("HOME", c.home);
    EXPECT_EQ(AppDataFolder(), c.data) << (c.home ? c.home : "(no HOME)");
    EXPECT_EQ(UserConfigFolder(), c.config) << (c.home ? c.home : "(no HOME)");
  }
}

}  // namespace
}  // namespace trelio
