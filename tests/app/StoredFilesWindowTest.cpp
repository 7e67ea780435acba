// settings.ini and index.csv as the window writes them at exit after starting
// from fixed files, compared byte for byte with the files kept in
// tests/data/stored: the window's reading of its widgets back into the
// settings, per coin, shows here too.
#include <QFile>

#include "tests/support/window/StartedWindow.h"

namespace trelio {
namespace {

using test::StartedWindowTest;

using StoredFilesWindowTest = StartedWindowTest;

std::string Stored(const char* name) {
  QFile file(QStringLiteral(KT_TEST_DATA "/stored/") + QString::fromLatin1(name));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

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
