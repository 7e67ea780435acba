#include <QDesktopServices>
#include <QLabel>
#include <QUrl>

#include "app/platform/MakerServer.h"
#include "app/widgets/CoinPanel.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/window/MouseRelease.h"
#include "tests/support/window/OpenedUrls.h"
#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

using test::ScopedEnv;
using test::StartedWindowTest;

class CoinLinksTest : public StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    Start();
  }

  ScopedEnv env;
  test::OpenedUrls opened;
};

TEST_F(CoinLinksTest, CoinNameOpensItsProjectAndEveryBannerTheService) {
  const std::pair<int, const char*> cases[] = {
      {0, "https://bitcoin.org/"},     // Bitcoin
      {2, "https://dogecoin.com/"},    // Dogecoin, third tab, fourth coin
      {3, "https://www.dash.org/"},    // Dash
      {9, "https://www.horizen.io/"},  // ZenCash
      {20, "https://tron.network/"},   // Tron
  };
  for (const auto& [tab, url] : cases) {
    opened.urls.clear();
    test::Release(test::NameLabelAt(*form, tab));
    EXPECT_EQ(opened.urls, QStringList{QString::fromLatin1(url)}) << tab;
  }
  QStringList pages;
  for (int tab = 0; tab < kCoinCount; ++tab) {
    opened.urls.clear();
    test::Release(test::NameLabelAt(*form, tab));
    ASSERT_EQ(opened.urls.size(), 1) << tab;
    pages << opened.urls[0];
  }
  pages.removeDuplicates();
  EXPECT_EQ(pages.size(), kCoinCount);

  opened.urls.clear();
  for (int tab : {0, 20}) test::Release(test::BannerAt(*form, tab));
  ASSERT_EQ(opened.urls.size(), 2);
  EXPECT_EQ(opened.urls[0], opened.urls[1]);
  EXPECT_TRUE(QUrl(opened.urls[0]).query().startsWith("r=")) << opened.urls[0].toStdString();
}

TEST_F(CoinLinksTest, HomePageAndFeedbackOpenTheMakersPages) {
  env.Set(kMakerServerVariable, "127.0.0.1:8080");
  test::Widget<QAction>(*form, "HomePage1")->trigger();
  test::Widget<QAction>(*form, "Feedback1")->trigger();
  EXPECT_EQ(opened.urls,
            QStringList({"http://127.0.0.1:8080/trelio.php", "http://127.0.0.1:8080/mail.php"}));
}

}  // namespace
}  // namespace trelio
