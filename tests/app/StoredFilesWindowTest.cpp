// settings.ini and index.csv as the window writes them at exit after starting
// from fixed files, compared byte for byte with the files kept in
// tests/data/stored: the window's reading of its widgets back into the
// settings, per coin, shows here too.
#include "tests/support/ScratchFolder.h"
#include "tests/support/StoredFiles.h"
#include "tests/support/window/StartedWindow.h"

namespace trelio {
namespace {

using test::StartedWindowTest;

using StoredFilesWindowTest = StartedWindowTest;

using test::Stored;

TEST_F(StoredFilesWindowTest, StartAndExitWriteTheFilesByteForByteAsBefore) {
  Write(Data("settings.ini"), Stored("settings-input.ini"));
  Write(Data("index.csv"), Stored("index-input.csv"));
  Start();
  Stop();
  EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();

  const std::string settings = Stored("settings-window.ini");
  const std::string index = Stored("index-window.csv");
  ASSERT_FALSE(settings.empty());
  ASSERT_FALSE(index.empty());
  EXPECT_EQ(Read(Data("settings.ini")), settings);
  EXPECT_EQ(Read(Data("index.csv")), index);
}

}  // namespace
}  // namespace trelio
