// The index download thread dropped right after its start, as at program end
// with the update dialog just shown.
#include <gtest/gtest.h>

#include <QObject>

#include "app/threads/UpdThread.h"

namespace trelio {
namespace {

TEST(UpdThreadTest, ADownloadDroppedAtOnceEndsWithoutRunningHalfMade) {
  QObject receiver;
  for (int i = 0; i < 200; ++i) {
    int reported = 0;
    UpdThread::Handlers handlers;
    handlers.showError = [&](const DownloadFailure&) { ++reported; };
    handlers.closeProgress = [&] { ++reported; };
    auto download = std::make_unique<UpdThread>("http://127.0.0.1:1/trelio/index.csv", "",
                                                &receiver, std::move(handlers));
    download->Start();
    download.reset();
    EXPECT_EQ(reported, 0);
  }
}

}  // namespace
}  // namespace trelio
