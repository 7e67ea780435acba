#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"

namespace trelio {
namespace {

using test::StartedWindowTest;

using UpdatingOptionsTest = StartedWindowTest;

TEST_F(UpdatingOptionsTest, MenuItemsKeepHidingWithShowingAndWithoutClearing) {
  TForm1& f = Start();
  QAction* const with = test::Widget<QAction>(f, "Updatingwithshowinghiddenitems1");
  QAction* const hiding = test::Widget<QAction>(f, "Hidingbeforeupdate1");
  QAction* const clearing = test::Widget<QAction>(f, "Clearingbeforeupdating1");
  struct Step {
    QAction* item;
    int with, hiding, clearing;  // the options afterwards
  };
  const Step steps[] = {
      {hiding, 1, 1, 0},   {clearing, 1, 0, 1}, {hiding, 1, 1, 0},
      {with, 0, 0, 0},     {clearing, 0, 0, 1}, {with, 1, 0, 1},
      {clearing, 1, 0, 0}, {hiding, 1, 1, 0},   {hiding, 1, 0, 0},
  };
  int n = 0;
  for (const Step& s : steps) {
    s.item->trigger();
    ++n;
    EXPECT_EQ(f.CurrentSettings().updatingWithShowingHiddenItems, s.with) << n;
    EXPECT_EQ(f.CurrentSettings().hidingBeforeUpdating, s.hiding) << n;
    EXPECT_EQ(f.CurrentSettings().clearingBeforeUpdating, s.clearing) << n;
    EXPECT_EQ(with->isChecked(), s.with == 1) << n;
    EXPECT_EQ(hiding->isChecked(), s.hiding == 1) << n;
    EXPECT_EQ(clearing->isChecked(), s.clearing == 1) << n;
  }
}

}  // namespace
}  // namespace trelio
