#include <signal.h>
#include <unistd.h>

#include <QFileDialog>
#include <QLineEdit>
#include <QTabWidget>
#include <QToolButton>

#include "app/core/claim/ClaimClock.h"
#include "app/platform/IniFile.h"
#include "app/program/SessionEndSignals.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/FaucetListBox.h"
#include "tests/support/EndedProcess.h"
#include "tests/support/window/EventLoopWait.h"
#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

using test::StartedWindowTest;

using StartupTest = StartedWindowTest;

// The tab of a coin by its name.
int Tab(const char* caption) {
  for (const Coin& coin : kCoins)
    if (coin.name == caption) return coin.tab;
  return -1;
}

std::string TabKeys(std::initializer_list<const char*> shown) {
  std::string keys;
  for (const Coin& coin : kCoins) {
    bool on = false;
    for (const char* name : shown) on = on || coin.name == name;
    keys += std::string(coin.name) + " Tab=" + (on ? "1" : "") + "\r\n";
  }
  return keys;
}

TEST_F(StartupTest, WindowShowsWhatTheSettingsSay) {
  Write(Data("settings.ini"),
        "[Addresses]\r\nBitcoin=1BoatSLRHtKNngkdXEeobR76b53LETtpyT\r\n"
        "[Interface]\r\nLanguage=RU\r\nPage=25\r\nLeft=100\r\nTop=50\r\nWidth=1000\r\n"
        "Height=700\r\nLeft panel width=300\r\nTop panel height=60\r\n" +
            TabKeys({"Bitcoin", "Litecoin", "Monero", "Tron"}) +
            "Monero Lock=1\r\nLitecoin Lock=yes\r\n"
            "[List]\r\nShow hidden=1\r\nSingle line view=1\r\nSort by=2\r\nOrder=0\r\n"
            "Hidden always below=0\r\n"
            "[Updating options]\r\nUpdating with showing hidden items=0\r\n"
            "Hiding before updating=1\r\nClearing before updating=1\r\n"
            "[Browsing options]\r\nAlways on top=1\r\n");
  TForm1& f = Start();
  EXPECT_TRUE(errors.isEmpty()) << errors.join('|').toStdString();

  for (int tab = 0; tab < kCoinCount; ++tab) {
    const bool shown = tab == Tab("Bitcoin") || tab == Tab("Litecoin") || tab == Tab("Monero") ||
                       tab == Tab("Tron");
    EXPECT_EQ(test::Widget<QTabWidget>(f, "PageControl1")->isTabVisible(tab), shown) << tab;
    EXPECT_EQ(test::CoinMenuItemAt(f, tab)->isChecked(), shown) << tab;
  }
  EXPECT_EQ(test::Widget<QTabWidget>(f, "PageControl1")->currentIndex(),
            Tab("Tron"));  // 25 clamped to the last page
  EXPECT_EQ(test::Widget<QAction>(f, "NewItem1")->text(), "New Tron item");

  QLineEdit* monero = test::AddressEditAt(f, Tab("Monero"));
  QLineEdit* litecoin = test::AddressEditAt(f, Tab("Litecoin"));
  EXPECT_TRUE(monero->isReadOnly());
  EXPECT_EQ(monero->palette().color(QPalette::Base), QColor(0xC0, 0xC0, 0xC0));
  EXPECT_EQ(test::LockButtonAt(f, Tab("Monero"))->icon().cacheKey(),
            f.ImageList2.Image(0).cacheKey());
  EXPECT_FALSE(litecoin->isReadOnly());  // only exactly "1" locks
  EXPECT_EQ(test::LockButtonAt(f, Tab("Litecoin"))->icon().cacheKey(),
            f.ImageList2.Image(1).cacheKey());
  EXPECT_EQ(test::AddressEditAt(f, Tab("Bitcoin"))->text(), "1BoatSLRHtKNngkdXEeobR76b53LETtpyT");

  EXPECT_TRUE(test::Widget<QToolButton>(f, "ToolButton1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(f, "Showhiddenitems1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(f, "Singlelineview1")->isChecked());
  EXPECT_EQ(test::Widget<FaucetListBox>(f, "ListBox1")->ItemHeight(), 20);
  EXPECT_TRUE(test::Widget<QAction>(f, "sortinginalphabeticalorder1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(f, "Ascendingorder1")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(f, "Hiddenpointsalwaysbelow1")->isChecked());

  // Hiding before updating takes showing hidden items with it, not clearing.
  EXPECT_TRUE(test::Widget<QAction>(f, "Hidingbeforeupdate1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(f, "Updatingwithshowinghiddenitems1")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(f, "Clearingbeforeupdating1")->isChecked());

  EXPECT_EQ(f.pos(), QPoint(100, 50));
  EXPECT_EQ(f.size(), QSize(1000, 700));
  EXPECT_FALSE(f.isMaximized());
  EXPECT_TRUE(f.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  EXPECT_EQ(test::Widget<QWidget>(f, "Panel3")->width(), 300);
  EXPECT_EQ(test::Widget<QTabWidget>(f, "PageControl1")->height(), 60);
  EXPECT_FALSE(test::Widget<FileDialogComponent>(f, "SaveDialog1")
                   ->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_FALSE(test::Widget<FileDialogComponent>(f, "SaveDialog2")
                   ->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(f.Language(), "ru");
  EXPECT_TRUE(f.WebBrowser1->Initialized());
  EXPECT_FALSE(f.WebBrowser1->IsVisible());
  EXPECT_FALSE(f.WebBrowser2->IsVisible());
}

TEST_F(StartupTest, WithNoTabSwitchedOnTheBitcoinTabShows) {
  Write(Data("settings.ini"), "[Interface]\r\nPage=4\r\n" + TabKeys({}));
  TForm1& f = Start();
  for (int tab = 0; tab < kCoinCount; ++tab) {
    EXPECT_EQ(test::Widget<QTabWidget>(f, "PageControl1")->isTabVisible(tab), tab == 0) << tab;
    EXPECT_EQ(test::CoinMenuItemAt(f, tab)->isChecked(), tab == 0) << tab;
  }
  EXPECT_EQ(test::Widget<QTabWidget>(f, "PageControl1")->currentIndex(), 0);
}

TEST_F(StartupTest, PageIsClampedToTheCoinPages) {
  const std::pair<const char*, int> cases[] = {{"25", 20}, {"-3", 0}, {"6", 6}, {"x", 0}};
  for (const auto& [page, shown] : cases) {
    Write(Data("settings.ini"), "[Interface]\r\nPage=" + std::string(page) + "\r\n" +
                                    TabKeys({"Bitcoin", "Ethereum Classic", "Tron"}));
    EXPECT_EQ(test::Widget<QTabWidget>(Start(), "PageControl1")->currentIndex(), shown) << page;
    Stop();
  }
}

TEST_F(StartupTest, StoredBoundsAreUsedOnlyWhenTheyFitThePrimaryScreen) {
  const QRect designed(212, 122, 830, 588);
  struct Case {
    ScreenSize screen;
    const char* bounds;  // the [Interface] keys
    QRect shown;
    bool maximized;
  };
  const Case cases[] = {
      {{1920, 1080},
       "Left=1720\r\nTop=880\r\nWidth=900\r\nHeight=700\r\n",
       {1720, 880, 900, 700},
       false},
      {{1920, 1080},
       "Left=10\r\nTop=0\r\nWidth=1920\r\nHeight=1080\r\nMaximized=1\r\n",
       {10, 0, 1920, 1080},
       true},
      {{1920, 1080},
       "Left=-1\r\nTop=0\r\nWidth=900\r\nHeight=700\r\nMaximized=1\r\n",
       designed,
       false},
      {{1920, 1080}, "Left=1721\r\nTop=0\r\nWidth=900\r\nHeight=700\r\n", designed, false},
      // A left edge on a monitor right of the primary screen.
      {{1920, 1080}, "Left=2000\r\nTop=100\r\nWidth=900\r\nHeight=700\r\n", designed, false},
      {{1920, 1080}, "Left=0\r\nTop=881\r\nWidth=900\r\nHeight=700\r\n", designed, false},
      {{1920, 1080}, "Left=0\r\nTop=0\r\nWidth=1921\r\nHeight=700\r\n", designed, false},
      {{1920, 1080}, "", {480, 240, 960, 600}, false},  // centred by default
      {{900, 700}, "", designed, false},                // 960 wide does not fit
  };
  for (const Case& c : cases) {
    options.screen = c.screen;
    Write(Data("settings.ini"), "[Interface]\r\n" + std::string(c.bounds));
    TForm1& f = Start();
    EXPECT_EQ(f.isMaximized(), c.maximized) << c.bounds;
    if (!c.maximized) {
      EXPECT_EQ(QRect(f.pos(), f.size()), c.shown) << c.bounds;
    }
    form.reset();
    QFile::remove(Data("settings.ini"));
  }
}

TEST_F(StartupTest, FirstRunCopiesTheSettingsBesideTheProgramOnce) {
  const QString beside = options.programFolder + QStringLiteral("/settings.ini");
  Write(beside, "[Addresses]\r\nDogecoin=DFirst\r\n");
  EXPECT_EQ(test::AddressEditAt(Start(), Tab("Dogecoin"))->text(), "DFirst");
  Stop();
  EXPECT_NE(Read(Data("settings.ini")).find("Dogecoin=DFirst"), std::string::npos);

  Write(beside, "[Addresses]\r\nDogecoin=DSecond\r\n");
  EXPECT_EQ(test::AddressEditAt(Start(), Tab("Dogecoin"))->text(), "DFirst");
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(StartupTest, IndexOfTheWorkingFolderIsLoadedAndKeptInTheDataFolder) {
  const std::string imported = IndexCsv({"bitcoin;Moon;http://moon.example/;5"});
  Write(options.workingFolder + QStringLiteral("/index.csv"), imported);
  TForm1& f = Start();
  ASSERT_EQ(f.Rows().RowCount(), 2);
  EXPECT_EQ(f.Rows().Row(1)[fName], "Moon");
  EXPECT_TRUE(QFileInfo(Data("index.csv")).isFile());
  EXPECT_NE(Read(Data("index.csv")).find("Moon"), std::string::npos);
  Stop();

  // From now on the data folder's index is the one.
  Write(options.workingFolder + QStringLiteral("/index.csv"),
        IndexCsv({"bitcoin;Other;http://other.example/;5"}));
  EXPECT_EQ(Start().Rows().Row(1)[fName], "Moon");
  EXPECT_EQ(form->Rows().RowCount(), 2);
}

TEST_F(StartupTest, TemporaryFilesOfAKilledSaveAreRemovedAtStart) {
  const pid_t gone = test::EndedProcess();
  const QString leftover = Data(".index.csv.~") + QString::number(gone) + QStringLiteral("-4");
  const QString ours = Data(".index.csv.~") + QString::number(getpid()) + QStringLiteral("-4");
  Write(Data("index.csv"), IndexCsv({"bitcoin;Moon;http://moon.example/;5"}));
  Write(leftover, "bitcoin;Mo");
  Write(ours, "bitcoin;Mo");
  Start();
  EXPECT_FALSE(QFileInfo::exists(leftover));
  EXPECT_TRUE(QFileInfo::exists(ours));  // its writer still runs
}

TEST_F(StartupTest, AnIndexThatCannotBeSavedAtExitIsKeptForTheNextStart) {
  Write(Data("index.csv"), IndexCsv({"bitcoin;Moon;http://moon.example/;5"}));
  TForm1& f = Start();
  f.Rows().Row(1).Edit(fName) = "Moon changed";
  // A folder takes the place of index.csv: its save fails.
  QFile::remove(Data("index.csv"));
  QDir().mkpath(Data("index.csv"));
  Stop();
  EXPECT_NE(Read(Data("index.recovery")).find("Moon changed"), std::string::npos);

  QDir(Data("index.csv")).removeRecursively();
  EXPECT_EQ(Start().Rows().Row(1)[fName], "Moon changed");
  Stop();
  EXPECT_NE(Read(Data("index.csv")).find("Moon changed"), std::string::npos);
  EXPECT_FALSE(QFileInfo::exists(Data("index.recovery")));
}

TEST_F(StartupTest, ShutdownWritesSettingsAndIndexWithBackups) {
  const std::string stored = IndexCsv({"bitcoin;Moon;http://moon.example/;5"});
  Write(Data("index.csv"), stored);
  Write(Data("index.bak"), "previous");
  Write(Data("settings.ini"),
        "[Own]\r\nkey=kept\r\n[Interface]\r\nLeft=100\r\nTop=50\r\n"
        "Width=1000\r\nHeight=700\r\n");
  TForm1& f = Start();
  f.Rows().Row(1).Edit(fName) = "Moon changed";
  test::AddressEditAt(f, Tab("Litecoin"))->setText("LAddress");
  test::LockButtonAt(f, Tab("Litecoin"))->click();
  test::Widget<QTabWidget>(f, "PageControl1")->setCurrentIndex(Tab("Dash"));
  test::CoinMenuItemAt(f, Tab("Tron"))->trigger();  // hidden
  test::Widget<QAction>(f, "Singlelineview1")->trigger();
  test::Widget<QAction>(f, "Sortinginorderbytotalpayout1")->trigger();
  test::Widget<QAction>(f, "Clearingbeforeupdating1")->trigger();
  f.resize(900, 650);
  f.move(120, 60);
  Stop();

  EXPECT_NE(Read(Data("index.csv")).find("Moon changed"), std::string::npos);
  EXPECT_EQ(Read(Data("index.bak")), stored);
  EXPECT_EQ(Read(Data("index.bak2")), "previous");

  const IniFile ini = IniFile::Load(QFile::encodeName(Data("settings.ini")).toStdString());
  EXPECT_EQ(ini.ReadString("Own", "key", ""), "kept");
  EXPECT_EQ(ini.ReadString("Addresses", "Litecoin", ""), "LAddress");
  EXPECT_EQ(ini.ReadString("Interface", "Litecoin Lock", "?"), "1");
  EXPECT_EQ(ini.ReadString("Interface", "Bitcoin Lock", "?"), "");
  EXPECT_EQ(ini.ReadString("Interface", "Tron Tab", "?"), "");
  EXPECT_EQ(ini.ReadString("Interface", "Bitcoin Tab", "?"), "1");
  EXPECT_EQ(ini.ReadString("Interface", "Sibcoin Tab", "?"), "");
  EXPECT_EQ(ini.ReadInteger("Interface", "Page", -1), Tab("Dash"));
  EXPECT_EQ(ini.ReadInteger("Interface", "Left", -1), 120);
  EXPECT_EQ(ini.ReadInteger("Interface", "Top", -1), 60);
  EXPECT_EQ(ini.ReadInteger("Interface", "Width", -1), 900);
  EXPECT_EQ(ini.ReadInteger("Interface", "Height", -1), 650);
  EXPECT_EQ(ini.ReadInteger("Interface", "Maximized", -1), 0);
  EXPECT_EQ(ini.ReadInteger("Interface", "Left panel width", -1), 202);
  EXPECT_EQ(ini.ReadInteger("Interface", "Top panel height", -1), 100);
  EXPECT_EQ(ini.ReadInteger("List", "Single line view", -1), 1);
  EXPECT_EQ(ini.ReadInteger("List", "Sort by", -1), 3);
  EXPECT_EQ(ini.ReadInteger("Updating options", "Clearing before updating", -1), 1);
  EXPECT_EQ(ini.ReadString("Interface", "Language", ""), "en");
  EXPECT_TRUE(errors.isEmpty());
}

TEST_F(StartupTest, MaximizedExitKeepsTheNormalBounds) {
  Write(Data("settings.ini"), "[Interface]\r\nLeft=100\r\nTop=50\r\nWidth=1000\r\nHeight=700\r\n");
  Start().showMaximized();
  QCoreApplication::processEvents();
  Stop();
  const IniFile ini = IniFile::Load(QFile::encodeName(Data("settings.ini")).toStdString());
  EXPECT_EQ(ini.ReadInteger("Interface", "Maximized", -1), 1);
  EXPECT_EQ(ini.ReadInteger("Interface", "Left", -1), 100);
  EXPECT_EQ(ini.ReadInteger("Interface", "Width", -1), 1000);
}

TEST_F(StartupTest, AnIndexThatCannotBeLoadedIsShownAndNeverSavedOver) {
  // A link to nothing: loading fails, while a save would replace it.
  QDir().mkpath(dataFolder);
  ASSERT_EQ(symlink("elsewhere/index.csv", QFile::encodeName(Data("index.csv")).constData()), 0);
  TForm1& f = Start();
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(errors[0].contains(Data("index.csv"))) << errors[0].toStdString();
  EXPECT_FALSE(f.IndexIsLoaded());
  EXPECT_EQ(f.Rows().RowCount(), 1);
  Stop();
  EXPECT_TRUE(QFileInfo(Data("index.csv")).isSymLink());
  EXPECT_FALSE(QFileInfo::exists(Data("index.bak")));
  EXPECT_TRUE(QFileInfo(Data("settings.ini")).isFile());  // the settings are fine
}

TEST_F(StartupTest, AfterAFailedLoadAWholeIndexCommandMakesTheExitSaveTheIndex) {
  QDir().mkpath(dataFolder);
  ASSERT_EQ(symlink("elsewhere/index.csv", QFile::encodeName(Data("index.csv")).constData()), 0);
  TForm1& f = Start();
  ASSERT_FALSE(f.IndexIsLoaded());
  f.UserPrompts().confirm = [](QWidget*, const QString&) { return true; };
  f.ClearIndex1Click();  // writes index.csv from memory
  EXPECT_TRUE(f.IndexIsLoaded());
  FaucetItem& row = f.Rows().Append();
  row.Edit(fCurrency) = "bitcoin";
  row.Edit(fName) = "Added later";
  Stop();
  QFile saved(Data("index.csv"));
  ASSERT_TRUE(saved.open(QIODevice::ReadOnly));
  EXPECT_TRUE(saved.readAll().contains("Added later"));
}

TEST_F(StartupTest, SettingsThatCannotBeWrittenAtExitAreReportedOnStderr) {
  // A folder in the place of settings.ini: read as empty, never replaced.
  QDir().mkpath(Data("settings.ini"));
  Start();
  EXPECT_TRUE(errors.isEmpty());
  ::testing::internal::CaptureStderr();
  Stop();
  const std::string reported = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(reported.find("settings.ini"), std::string::npos) << reported;
  EXPECT_TRUE(errors.isEmpty());  // no box once the window has closed
  EXPECT_TRUE(QFileInfo(Data("settings.ini")).isDir());
  EXPECT_TRUE(QFileInfo(Data("index.csv")).isFile());  // the index is saved all the same
}

TEST_F(StartupTest, WithoutAnIndexAnywhereTheEmptyIndexIsSaved) {
  TForm1& f = Start();
  EXPECT_TRUE(f.IndexIsLoaded());
  Stop();
  EXPECT_EQ(Read(Data("index.csv")).substr(0, 9), "Currency;");
}

TEST_F(StartupTest, AnUnusableDataFolderIsShownAndNothingIsWritten) {
  // The per-user data folder is a file, so no data folder can be made in it.
  const QString blocked = root.path() + QStringLiteral("/data-file");
  Write(blocked, "not a folder");
  qputenv("XDG_DATA_HOME", QFile::encodeName(blocked));
  TForm1& f = Start();
  ASSERT_EQ(errors.size(), 1);
  EXPECT_TRUE(f.DataFolderFiles().folder.empty());
  EXPECT_FALSE(f.IndexIsLoaded());
  EXPECT_TRUE(
      test::Widget<QTabWidget>(f, "PageControl1")->isTabVisible(0));  // the window itself starts
  Stop();
  EXPECT_EQ(Read(blocked), "not a folder");
}

TEST_F(StartupTest, TheFirstTicksChangeIsKeptForRecoveryOncePainted) {
  // A claim of long ago: the first tick ends its wait, which changes the index.
  Write(Data("index.csv"), IndexCsv({"bitcoin;Claimed;http://claimed.example/;5;;1;;1000;1"}));
  form = std::make_unique<TForm1>(browsers, options);
  ASSERT_TRUE(test::WaitUntil([this] { return form->Rows().Row(1)[fCompleted].empty(); }));
  // The tick came before any paint; the change reaches the recovery file
  // once the window has painted, not a minute later with the next tick.
  form->show();
  EXPECT_TRUE(test::WaitUntil([this] {
    return Read(Data("index.recovery")).find("bitcoin;Claimed;http://claimed.example/;5;;;") !=
           std::string::npos;
  }));
  Stop();
}

TEST_F(StartupTest, SessionEndSignalClosesTheWindowAndShutdownSaves) {
  Write(Data("index.csv"), IndexCsv({"bitcoin;Moon;http://moon.example/;5"}));
  TForm1& f = Start();
  // Claimed just now: the ticker's first tick, which may come while the test
  // waits, must not expire it before the shutdown saves.
  f.Rows().Row(1).Edit(fCompleted) = "1";
  f.Rows().Row(1).Edit(fTimestamp) = std::to_string(NowSeconds());
  test::AddressEditAt(f, Tab("Dash"))->setText("XDash");
  {
    SessionEndSignals sessionEnd([&f] { f.close(); });
    raise(SIGTERM);
    ASSERT_TRUE(test::WaitUntil([&f] { return !f.isVisible(); }));
  }
  form.reset();
  EXPECT_NE(Read(Data("index.csv")).find("Moon;http://moon.example/;5;;1;"), std::string::npos);
  EXPECT_NE(Read(Data("settings.ini")).find("Dash=XDash"), std::string::npos);
}

}  // namespace
}  // namespace trelio
