#include <QSignalBlocker>
#include <atomic>

#include "app/threads/MyThread.h"
#include "app/widgets/DetailPanel.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/PanelStatusBar.h"
#include "tests/support/window/EventLoopWait.h"
#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

using test::StartedWindowTest;

using std::chrono::milliseconds;

constexpr int64_t T = 1700000000;

// The window's clock: a second count the test sets, and how often it was read.
struct TestClock {
  std::atomic<int64_t> now{T};
  std::atomic<int> reads{0};
  LocalClock Clock() {
    return [this] {
      ++reads;
      return LocalWallTime(std::chrono::seconds(now.load()));
    };
  }
};

class ClaimTickerTest : public StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    options.clock = clock.Clock();
    options.ticker = {milliseconds(20), milliseconds(5)};
  }

  // Makes row the current item, whether the list shows it already or not.
  void MakeCurrent(FaucetItem& row) {
    FaucetListBox* list = test::Widget<FaucetListBox>(*form, "ListBox1");
    int position = -1;
    for (int i = 0; i < list->count(); ++i)
      if (list->Row(i) == &row) position = i;
    if (position < 0) {
      list->AddItem(QString::fromStdString(std::string(row[fName])), &row);
      position = list->count() - 1;
    }
    {
      const QSignalBlocker quiet(list);
      list->SetItemIndex(position);
    }
    form->BrowsingControl().SelectCurrentItem(false);
    ASSERT_EQ(form->BrowsingControl().CurrentItem(), &row);
  }
  // Lets the ticker run n more ticks.
  void Ticks(int n) {
    const int until = clock.reads + n;
    ASSERT_TRUE(test::WaitUntil([&] { return clock.reads >= until; }));
  }
  QString WaitText() const {
    EXPECT_EQ(test::Widget<DetailPanel>(*form, "Panel2")->Caption(),
              test::Widget<PanelStatusBar>(*form, "StatusBar1")->PanelText(0));
    return test::Widget<DetailPanel>(*form, "Panel2")->Caption();
  }

  TestClock clock;
};

TEST_F(ClaimTickerTest, TickExpiresWhatIsDueAndRefreshesTheWaitText) {
  Write(Data("index.csv"),
        IndexCsv({"bitcoin;Moon;http://moon.example/;5;;1;;" + std::to_string(T),
                  "bitcoin;Sun;http://sun.example/;10;;;;" + std::to_string(T)}));
  clock.now = T + 300;
  Start();
  FaucetItem& moon = form->Rows().Row(1);
  FaucetItem& sun = form->Rows().Row(2);
  MakeCurrent(sun);
  Ticks(2);
  EXPECT_EQ(moon[fCompleted], "1");  // T + 300 is not yet past T + 5 minutes
  EXPECT_EQ(WaitText(), "Sun (wait 6 min.)");

  clock.now = T + 301;
  ASSERT_TRUE(test::WaitUntil([&] { return moon[fCompleted].empty(); }));
  EXPECT_TRUE(moon[fTimestamp].empty());
  Ticks(2);
  EXPECT_EQ(WaitText(), "Sun (wait 5 min.)");
}

TEST_F(ClaimTickerTest, ShutdownStopsTheTickerInItsSleepBeforeSaving) {
  Write(Data("index.csv"),
        IndexCsv({"bitcoin;Moon;http://moon.example/;5;;1;;" + std::to_string(T)}));
  options.ticker = {std::chrono::hours(1), milliseconds(1000)};
  Start();
  ASSERT_TRUE(test::WaitUntil([&] { return clock.reads > 0; }));  // the first tick
  // Due only now: a tick during or after shutdown would expire it.
  clock.now = T + 3600;
  const int reads = clock.reads;
  Stop();
  EXPECT_EQ(clock.reads, reads);
  EXPECT_NE(Read(Data("index.csv")).find("Moon;http://moon.example/;5;;1;;1700000000"),
            std::string::npos);
}

TEST_F(ClaimTickerTest, CompleteAndMakeIncompletedByHand) {
  Write(Data("index.csv"), IndexCsv({"bitcoin;Moon;http://moon.example/;5"}));
  options.ticker = {std::chrono::hours(1), milliseconds(1000)};
  Start();
  form->Nocompleted1Click();  // no current item: nothing
  FaucetItem& moon = form->Rows().Row(1);
  EXPECT_TRUE(moon[fCompleted].empty());

  MakeCurrent(moon);
  test::Widget<QAction>(*form, "Nocompleted1")->trigger();
  EXPECT_EQ(moon[fCompleted], "1");
  EXPECT_EQ(moon[fTimestamp], std::to_string(T));
  EXPECT_EQ(WaitText(), "Moon (wait 6 min.)");

  clock.now = T + 10;
  test::Widget<QAction>(*form, "Nocompleted1")->trigger();
  EXPECT_TRUE(moon[fCompleted].empty());
  EXPECT_TRUE(moon[fTimestamp].empty());
  EXPECT_EQ(WaitText(), "Moon");
}

}  // namespace
}  // namespace trelio
