#include "app/program/FirstPaint.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QVBoxLayout>
#include <QWidget>
#include <vector>

#include "tests/support/window/EventLoopWait.h"

namespace trelio {
namespace {

// A child that fills its window, so the window itself paints nothing.
class PaintCounter : public QWidget {
 public:
  using QWidget::QWidget;
  int paints = 0;

 protected:
  void paintEvent(QPaintEvent*) override { ++paints; }
};

TEST(FirstPaintTest, RunsOnceAfterTheWholeFirstFrame) {
  QWidget window;
  window.resize(200, 100);
  auto* child = new PaintCounter(&window);
  auto* layout = new QVBoxLayout(&window);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(child);
  QWidget other;
  other.resize(50, 50);

  int calls = 0;
  int childPaintsAtCall = -1;
  std::vector<int> order;
  AfterFirstPaint(window, [&] {
    ++calls;
    childPaintsAtCall = child->paints;
    order.push_back(1);
  });
  AfterFirstPaint(window, [&] { order.push_back(2); });
  // Another window's paint does not count.
  other.show();
  ASSERT_TRUE(test::WaitUntil([&] { return other.isVisible(); }, 5000));
  QApplication::processEvents();
  EXPECT_EQ(calls, 0);

  window.show();
  ASSERT_TRUE(test::WaitUntil([&] { return calls > 0; }, 10000));
  EXPECT_GE(childPaintsAtCall, 1);
  EXPECT_EQ(order, std::vector<int>({1, 2}));

  child->repaint();
  window.repaint();
  QApplication::processEvents();
  EXPECT_EQ(calls, 1);
}

}  // namespace
}  // namespace trelio
