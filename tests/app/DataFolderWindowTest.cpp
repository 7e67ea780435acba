// The data folder while a window runs: one window per folder, and the
// settings on disk a tick after they change.
#include <QDir>
#include <QLineEdit>
#include <QtTest/QTest>
#include <chrono>

#include "app/platform/IniFile.h"
#include "app/platform/MakerServer.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/window/Unit3.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/IndexFolderTest.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/window/EventLoopWait.h"
#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

using namespace std::chrono_literals;
using test::StartedWindowTest;

using HeldDataFolderTest = StartedWindowTest;

constexpr int kBitcoin = 0;  // the first coin tab

TEST_F(HeldDataFolderTest, ASecondWindowOnTheFolderReadsAndWritesNothingAndRaisesTheFirst) {
  Write(Data("settings.ini"), "[Addresses]\r\nBitcoin=1First\r\n");
  Write(Data("index.csv"), IndexCsv({"bitcoin;Moon;http://moon.example/;5;;;;;1;;;;;;;;0"}));
  TForm1& first = Start();
  ASSERT_FALSE(first.DataFolderTaken);
  // The first one's own first tick writes its settings; its index is as
  // stored, with nothing to recover.
  ASSERT_TRUE(test::WaitUntil(
      [&] { return Read(Data("settings.ini")).find("Tron Tab=") != std::string::npos; }));
  // Left by a save of a process that is gone: a start that works on the
  // folder removes it.
  const QString leftover =
      Data(".index.csv.~") + QString::number(test::EndedProcess()) + QStringLiteral("-1");
  Write(leftover, "bitcoin;Mo");
  first.showMinimized();
  ASSERT_TRUE(first.isMinimized());
  const QStringList files = QDir(dataFolder).entryList(QDir::Files | QDir::Hidden);
  std::vector<std::string> before;
  for (const QString& name : files) before.push_back(Read(dataFolder + QLatin1Char('/') + name));

  auto second = std::make_unique<TForm1>(browsers, options);
  EXPECT_TRUE(second->DataFolderTaken);
  EXPECT_TRUE(second->DataFolderFiles().folder.empty());
  EXPECT_EQ(second->Rows().RowCount(), 1);
  EXPECT_EQ(test::AddressEditAt(*second, kBitcoin)->text(), QString());
  second->TellDataFolderTaken();
  ASSERT_EQ(errors.size(), 1);
  EXPECT_EQ(errors[0], QStringLiteral("The program is already running with the data folder \"") +
                           dataFolder + QStringLiteral("\"."));
  EXPECT_TRUE(test::WaitUntil([&] { return !first.isMinimized(); }));
  second.reset();

  // Not a file of the folder was read into the second one or touched by it.
  ASSERT_EQ(QDir(dataFolder).entryList(QDir::Files | QDir::Hidden), files);
  for (int i = 0; i < files.size(); ++i)
    EXPECT_EQ(Read(dataFolder + QLatin1Char('/') + files[i]), before[size_t(i)])
        << files[i].toStdString();
  EXPECT_TRUE(files.contains(QFileInfo(leftover).fileName()));
  // The first one still works on the folder, and so does a start after it.
  test::AddressEditAt(first, kBitcoin)->setText("1Changed");
  Stop();
  EXPECT_NE(Read(Data("settings.ini")).find("Bitcoin=1Changed"), std::string::npos);
  EXPECT_FALSE(Start().DataFolderTaken);
  EXPECT_EQ(test::AddressEditAt(*form, kBitcoin)->text(), QStringLiteral("1Changed"));
}

using SettingsOnDiskTest = StartedWindowTest;

TEST_F(SettingsOnDiskTest, ATypedAddressIsOnDiskATickLaterAndOthersKeysStay) {
  options.ticker = {50ms, 10ms};
  Write(Data("settings.ini"), "[Addresses]\r\nBitcoin=1Old\r\n");
  TForm1& f = Start();
  QLineEdit* edit = test::AddressEditAt(f, kBitcoin);
  edit->selectAll();
  QTest::keyClicks(edit, "1Typed");
  ASSERT_TRUE(test::WaitUntil([&] {
    return Read(Data("settings.ini")).find("Bitcoin=1Typed\r\n") != std::string::npos;
  })) << Read(Data("settings.ini"));
  // Written into the file as it is then, as the exit does: a key the user
  // added meanwhile stays.
  Write(Data("settings.ini"), Read(Data("settings.ini")) + "[Own]\r\nkey=added\r\n");
  QTest::keyClicks(edit, "More");
  ASSERT_TRUE(test::WaitUntil([&] {
    return Read(Data("settings.ini")).find("Bitcoin=1TypedMore\r\n") != std::string::npos;
  }));
  const IniFile ini = IniFile::Load(QFile::encodeName(Data("settings.ini")).toStdString());
  EXPECT_EQ(ini.ReadString("Own", "key", ""), "added");
  EXPECT_TRUE(errors.isEmpty());
}

using NoDataFolderTest = StartedWindowTest;

TEST_F(NoDataFolderTest, TheFirstShowFetchesNothingAndTheIndexCommandsSayWhy) {
  test::TestHttpServer server;
  server.Serve("/trelio/index.csv", test::kHeaderLine + "bitcoin;Moon;http://moon.example/;5\r\n");
  test::ScopedEnv env;
  env.Set(kMakerServerVariable, server.Host().c_str());
  // The per-user data folder is a file, so no data folder can be made in it.
  const QString blocked = root.path() + QStringLiteral("/data-file");
  Write(blocked, "not a folder");
  qputenv("XDG_DATA_HOME", QFile::encodeName(blocked));
  form = std::make_unique<TForm1>(browsers, options);
  TOKBottomDlg dialog(*form);
  QStringList shown;
  form->UserPrompts().error = [&](QWidget*, const QString& text) { shown << text; };
  form->show();
  ASSERT_TRUE(test::WaitUntil([&] { return !form->FirstShow && !dialog.isVisible(); }));
  // The data folder's own message, and no download that could not be kept.
  EXPECT_EQ(errors.size(), 1) << errors.join(QLatin1Char('\n')).toStdString();
  EXPECT_EQ(server.RequestCount(), 0u);
  EXPECT_FALSE(test::Widget<PanelStatusBar>(*form, "StatusBar2")
                   ->PanelText(0)
                   .contains(QStringLiteral("Cannot")));

  // Every command that would keep the index in the folder says so before it
  // asks anything, and the file chosen for an update stays as it is.
  const QString chosen = root.path() + QStringLiteral("/chosen.csv");
  Write(chosen, IndexCsv({"bitcoin;Sun;http://sun.example/;5"}));
  int asked = 0;
  form->UserPrompts().chooseFile = [&](QFileDialog&) -> std::optional<QString> {
    ++asked;
    return chosen;
  };
  form->UserPrompts().confirm = [&](QWidget*, const QString&) { return ++asked > 0; };
  for (void (TForm1::*command)() :
       {&TForm1::Updateindex1Click, &TForm1::Load2Click, &TForm1::ClearIndex1Click}) {
    try {
      (form.get()->*command)();
    } catch (const std::exception& e) {
      shown << QString::fromUtf8(e.what());
    }
  }
  EXPECT_EQ(server.RequestCount(), 0u);
  EXPECT_EQ(asked, 0);
  EXPECT_EQ(shown.join(QLatin1Char('\n')).toStdString(),
            "The index cannot be updated: there is no data folder to keep it in.\n"
            "The index cannot be updated: there is no data folder to keep it in.\n"
            "The index cannot be cleared: there is no data folder to keep it in.");
  form.reset();
  EXPECT_EQ(Read(blocked), "not a folder");
  EXPECT_EQ(Read(chosen), IndexCsv({"bitcoin;Sun;http://sun.example/;5"}));
}

}  // namespace
}  // namespace trelio
