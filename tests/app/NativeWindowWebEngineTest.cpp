// The main window keeps its one native window when the first page shows in
// it: the browser surface is prepared before the window is first shown.
// Only a platform with real native windows makes a window anew; the test
// runs there (QT_QPA_PLATFORM=xcb under xvfb-run) and is skipped elsewhere.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QWindow>

#include "tests/support/window/DemoWindow.h"

namespace trelio {
namespace {

TEST(NativeWindowWebEngineTest, TheFirstPageKeepsTheWindowsNativeWindow) {
  if (QGuiApplication::platformName() != QStringLiteral("xcb"))
    GTEST_SKIP() << "no native windows on " << QGuiApplication::platformName().toStdString();
  test::DemoWindow w;
  ASSERT_TRUE(test::WaitUntil([&] { return w.form->windowHandle() != nullptr; }));
  QWindow* const window = w.form->windowHandle();
  const WId id = w.form->winId();
  const QSurface::SurfaceType surface = window->surfaceType();
  w.Browse("btc-claim");
  ASSERT_TRUE(w.first->WaitForLoadEnd(QStringLiteral("/demo/btc-claim.html")) ||
              w.second->WaitForLoadEnd(QStringLiteral("/demo/btc-claim.html")));
  QGuiApplication::processEvents();
  EXPECT_EQ(w.form->windowHandle(), window);
  EXPECT_EQ(w.form->winId(), id);
  EXPECT_EQ(w.form->windowHandle()->surfaceType(), surface);
}

}  // namespace
}  // namespace trelio
