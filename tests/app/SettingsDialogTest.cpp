#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QWindow>
#include <functional>

#include "app/window/Unit4.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio {
namespace {

class SettingsDialogTest : public test::WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    dialog = std::make_unique<TOKBottomDlg1>(*form);
  }
  void TearDown() override {
    dialog.reset();
    WindowFixture::TearDown();
  }

  // "Settings..." from the menu; act does what the user does in the shown
  // dialog and closes it.
  void Settings(const std::function<void(TOKBottomDlg1&)>& act) {
    bool ran = false;
    QTimer::singleShot(0, dialog.get(), [&] {
      ran = true;
      EXPECT_TRUE(dialog->isVisible());
      act(*dialog);
    });
    ASSERT_TRUE(test::Widget<QAction>(*form, "Settings1")->isEnabled());
    test::Widget<QAction>(*form, "Settings1")->trigger();
    EXPECT_TRUE(ran);
    EXPECT_FALSE(dialog->isVisible());
  }
  static void SetCell(TOKBottomDlg1& d, int row, const char* text) {
    d.ValueListEditor1->item(row, 1)->setText(QString::fromUtf8(text));
  }
  static QStringList Column(TOKBottomDlg1& d, int column) {
    QStringList cells;
    for (int r = 0; r < d.ValueListEditor1->rowCount(); ++r)
      cells << d.ValueListEditor1->item(r, column)->text();
    return cells;
  }
  AppSettings& S() { return form->CurrentSettings(); }
  // The six options the boxes show, as stored (not only as the boxes read
  // them: "Block pop-ups" 2 must stay 2).
  void ExpectSameOptions(const AppSettings& before) {
    EXPECT_EQ(S().blockPopups, before.blockPopups);
    EXPECT_EQ(S().alwaysOnTop, before.alwaysOnTop);
    EXPECT_EQ(S().updatingWithShowingHiddenItems, before.updatingWithShowingHiddenItems);
    EXPECT_EQ(S().hidingBeforeUpdating, before.hidingBeforeUpdating);
    EXPECT_EQ(S().clearingBeforeUpdating, before.clearingBeforeUpdating);
    EXPECT_EQ(S().processResultsWithoutPayment, before.processResultsWithoutPayment);
  }

  std::unique_ptr<TOKBottomDlg1> dialog;
};

TEST_F(SettingsDialogTest, OkWithoutChangesKeepsTheOptionsAndNormalisesTheIntervals) {
  S().blockPopups = 1;
  S().alwaysOnTop = 0;
  S().updatingWithShowingHiddenItems = 1;
  S().hidingBeforeUpdating = 1;
  S().clearingBeforeUpdating = 0;
  S().processResultsWithoutPayment = 1;
  S().noPayTemplate = "insufficient funds|daily limit|try later";
  S().noPayIntervals = "1440,abc,5,9";
  const AppSettings before = S();
  Settings([](TOKBottomDlg1& d) {
    EXPECT_TRUE(d.CheckBox1->isChecked());
    EXPECT_FALSE(d.CheckBox5->isChecked());
    EXPECT_TRUE(d.CheckBox2->isChecked());
    EXPECT_TRUE(d.CheckBox6->isChecked());
    EXPECT_FALSE(d.CheckBox3->isChecked());
    EXPECT_TRUE(d.CheckBox4->isChecked());
    EXPECT_EQ(Column(d, 0),
              QStringList({QStringLiteral("insufficient funds"), QStringLiteral("daily limit"),
                           QStringLiteral("try later")}));
    EXPECT_EQ(Column(d, 1),
              QStringList({QStringLiteral("1440"), QStringLiteral("abc"), QStringLiteral("5")}));
    d.OKBtn->click();
  });
  ExpectSameOptions(before);
  EXPECT_EQ(S().noPayTemplate, before.noPayTemplate);
  EXPECT_EQ(S().noPayIntervals, "1440,,5");
}

TEST_F(SettingsDialogTest, CancelAndEscapeDiscardEverything) {
  S().noPayTemplate = "a|b";
  S().noPayIntervals = "10,20";
  const std::function<void(TOKBottomDlg1&)> closers[] = {
      [](TOKBottomDlg1& d) { d.CancelBtn->click(); },
      [](TOKBottomDlg1& d) { QTest::keyClick(&d, Qt::Key_Escape); },
  };
  for (const auto& close : closers) {
    const AppSettings before = S();
    Settings([&](TOKBottomDlg1& d) {
      for (QCheckBox* box :
           {d.CheckBox1, d.CheckBox5, d.CheckBox2, d.CheckBox6, d.CheckBox3, d.CheckBox4})
        box->click();
      SetCell(d, 0, "99");
      SetCell(d, 1, "");
      close(d);
    });
    ExpectSameOptions(before);
    EXPECT_EQ(S().noPayIntervals, "10,20");
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
  }
  // The grid is made anew: the cancelled edits are not seen again.
  Settings([](TOKBottomDlg1& d) {
    EXPECT_EQ(Column(d, 1), QStringList({QStringLiteral("10"), QStringLiteral("20")}));
    d.CancelBtn->click();
  });
}

TEST_F(SettingsDialogTest, BoxesKeepHidingWithShowingAndWithoutClearing) {
  struct Step {
    int box;                      // 2, 6 or 3: the box clicked
    bool with, hiding, clearing;  // the three boxes afterwards
  } const steps[] = {
      {6, true, true, false},   {3, true, false, true},  {6, true, true, false},
      {2, false, false, false}, {3, false, false, true}, {2, true, false, true},
      {3, true, false, false},  {6, true, true, false},  {6, true, false, false},
      {6, true, true, false},
  };
  Settings([&](TOKBottomDlg1& d) {
    QCheckBox* const boxes[] = {nullptr, nullptr, d.CheckBox2, d.CheckBox3,
                                nullptr, nullptr, d.CheckBox6};
    for (const Step& s : steps) {
      boxes[s.box]->click();
      const int n = int(&s - steps);
      EXPECT_EQ(d.CheckBox2->isChecked(), s.with) << n;
      EXPECT_EQ(d.CheckBox6->isChecked(), s.hiding) << n;
      EXPECT_EQ(d.CheckBox3->isChecked(), s.clearing) << n;
    }
    // A change made by the program sets them off as well.
    d.CheckBox2->setChecked(false);
    EXPECT_FALSE(d.CheckBox6->isChecked());
    d.CheckBox6->setChecked(true);
    EXPECT_TRUE(d.CheckBox2->isChecked());
    d.CheckBox3->setChecked(true);
    EXPECT_FALSE(d.CheckBox6->isChecked());
    d.CheckBox6->setChecked(true);
    // The options change only on OK.
    EXPECT_EQ(S().hidingBeforeUpdating, 0);
    d.OKBtn->click();
  });
  EXPECT_EQ(S().updatingWithShowingHiddenItems, 1);
  EXPECT_EQ(S().hidingBeforeUpdating, 1);
  EXPECT_EQ(S().clearingBeforeUpdating, 0);
  EXPECT_TRUE(test::Widget<QAction>(*form, "Updatingwithshowinghiddenitems1")->isChecked());
  EXPECT_TRUE(test::Widget<QAction>(*form, "Hidingbeforeupdate1")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(*form, "Clearingbeforeupdating1")->isChecked());

  // What the menu items change, the dialog shows next time.
  test::Widget<QAction>(*form, "Clearingbeforeupdating1")->trigger();
  Settings([](TOKBottomDlg1& d) {
    EXPECT_TRUE(d.CheckBox2->isChecked());
    EXPECT_FALSE(d.CheckBox6->isChecked());
    EXPECT_TRUE(d.CheckBox3->isChecked());
    d.CancelBtn->click();
  });
  test::Widget<QAction>(*form, "Updatingwithshowinghiddenitems1")->trigger();
  test::Widget<QAction>(*form, "Hidingbeforeupdate1")->trigger();
  Settings([](TOKBottomDlg1& d) {
    EXPECT_TRUE(d.CheckBox2->isChecked());
    EXPECT_TRUE(d.CheckBox6->isChecked());
    EXPECT_FALSE(d.CheckBox3->isChecked());
    d.CancelBtn->click();
  });
}

TEST_F(SettingsDialogTest, IntervalsHaveOnePositionPerMessage) {
  struct Case {
    const char* messages;
    const char* intervals;
    std::vector<const char*> cells;  // typed into the rows, nullptr leaves one
    const char* result;
  } const cases[] = {
      // More messages than intervals: the extra rows are empty.
      {"a|b|c", "15", {}, "15,,"},
      // More intervals than messages: the extra ones are dropped.
      {"a|b", "1,2,3,4", {}, "1,2"},
      {"a|b|c|d", "1,2,3,4", {"abc", "0", "-5", "  7"}, ",,,  7"},
      {"a|b", "1,2", {nullptr, "30"}, "1,30"},
      // A single message whose cell is emptied keeps the list as it was.
      {"insufficient funds", "1440", {""}, "1440"},
      {"insufficient funds", "1440,60", {"0"}, "1440,60"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.messages);
    S().noPayTemplate = c.messages;
    S().noPayIntervals = c.intervals;
    Settings([&](TOKBottomDlg1& d) {
      for (size_t r = 0; r < c.cells.size(); ++r)
        if (c.cells[r]) SetCell(d, int(r), c.cells[r]);
      d.OKBtn->click();
    });
    EXPECT_EQ(S().noPayIntervals, c.result);
    EXPECT_EQ(S().noPayTemplate, c.messages);
  }
}

TEST_F(SettingsDialogTest, GridTakesNoRowsAndKeepsMessagesReadOnly) {
  S().noPayTemplate = "a|b";
  S().noPayIntervals = "1,2";
  Settings([](TOKBottomDlg1& d) {
    QTableWidget* grid = d.ValueListEditor1;
    EXPECT_EQ(grid->horizontalHeaderItem(0)->text(), QStringLiteral("Message"));
    EXPECT_EQ(grid->horizontalHeaderItem(1)->text(), QStringLiteral("Interval"));
    EXPECT_FALSE(grid->item(0, 0)->flags().testFlag(Qt::ItemIsEditable));
    EXPECT_TRUE(grid->item(0, 1)->flags().testFlag(Qt::ItemIsEditable));
    // Typing below the last row or Enter in it adds none.
    grid->setCurrentCell(1, 1);
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(grid->rowCount(), 2);
    d.CancelBtn->click();
  });
}

TEST_F(SettingsDialogTest, AnIntervalStillBeingTypedCountsOnOk) {
  S().noPayTemplate = "a|b";
  S().noPayIntervals = "1,2";
  Settings([](TOKBottomDlg1& d) {
    QTableWidget* grid = d.ValueListEditor1;
    grid->setCurrentCell(1, 1);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    ASSERT_NE(editor, nullptr);
    editor->setText(QStringLiteral("45"));
    d.OKBtn->click();
  });
  EXPECT_EQ(S().noPayIntervals, "1,45");
}

TEST_F(SettingsDialogTest, OpensWithNoCellEditedAndEnterOrEscapeClosesAtOnce) {
  S().noPayTemplate = "insufficient funds|daily limit";
  S().noPayIntervals = "1440,abc";
  // One key each: Escape cancels, Enter is OK, from the first key on.
  const std::pair<Qt::Key, const char*> keys[] = {{Qt::Key_Escape, "1440,abc"},
                                                  {Qt::Key_Return, "1440,"}};
  for (const auto& [key, intervals] : keys) {
    Settings([&, key = key](TOKBottomDlg1& d) {
      QTableWidget* grid = d.ValueListEditor1;
      EXPECT_EQ(grid->indexWidget(grid->currentIndex()), nullptr);
      // The tab order starts at OK, and a digit typed at once edits nothing.
      EXPECT_EQ(d.focusWidget(), d.OKBtn);
      QTest::keyClick(d.focusWidget(), Qt::Key_5);
      EXPECT_EQ(grid->item(0, 1)->text(), QStringLiteral("1440"));
      QTest::keyClick(d.focusWidget(), key);
    });
    EXPECT_EQ(S().noPayIntervals, intervals);
  }
  // A cell is edited when the user starts to: F2, or typing into it.
  Settings([](TOKBottomDlg1& d) {
    QTableWidget* grid = d.ValueListEditor1;
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_F2);
    EXPECT_NE(grid->indexWidget(grid->currentIndex()), nullptr);
    d.CancelBtn->click();
  });
  Settings([](TOKBottomDlg1& d) {
    QTableWidget* grid = d.ValueListEditor1;
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_7);
    d.OKBtn->click();
  });
  EXPECT_EQ(S().noPayIntervals, "7,");
}

TEST_F(SettingsDialogTest, EveryShowingStartsAtTheLeftWithTheDesignColumns) {
  S().noPayTemplate = "insufficient funds|daily limit|try later|a|b|c|d";
  S().noPayIntervals = "1440,60,5";
  for (int showing = 0; showing < 3; ++showing) {
    Settings([&](TOKBottomDlg1& d) {
      QTableWidget* grid = d.ValueListEditor1;
      EXPECT_EQ(grid->columnWidth(0), 345) << showing;
      EXPECT_EQ(grid->columnWidth(1), 74) << showing;
      EXPECT_EQ(grid->columnViewportPosition(0), 0) << showing;
      // The user goes down the interval column.
      grid->setFocus();
      for (int r = 0; r < 6; ++r) QTest::keyClick(grid, Qt::Key_Down);
      d.CancelBtn->click();
    });
  }
}

TEST_F(SettingsDialogTest, GroupTitlesSitOnTheFrameLineAndBoxesInside) {
  Settings([](TOKBottomDlg1& d) {
    for (QGroupBox* group : {d.GroupBox1, d.GroupBox2, d.GroupBox3, d.GroupBox4}) {
      SCOPED_TRACE(group->objectName().toStdString());
      const QImage image = group->grab().toImage();
      // Between the group's children and its right edge only the frame is
      // drawn; at the very top, nothing.
      const int x = group->width() - 4;
      const int background = qGray(image.pixel(x, 0));
      int line = -1;
      for (int y = 0; y < image.height() && line < 0; ++y)
        if (std::abs(qGray(image.pixel(x, y)) - background) > 20) line = y;
      const QWidget* first = group->findChildren<QWidget*>().value(0);
      ASSERT_NE(first, nullptr);
      EXPECT_GE(line, 3);
      EXPECT_LT(line + 1, first->y());
      // The title's letters reach above the line and below it.
      bool above = false, below = false;
      for (int y = 0; y < image.height(); ++y)
        for (int tx = 8; tx < 60; ++tx)
          if (std::abs(qGray(image.pixel(tx, y)) - background) > 60)
            (y < line ? above : below) = true;
      EXPECT_TRUE(above);
      EXPECT_TRUE(below);
    }
    d.CancelBtn->click();
  });
}

// Counts the times the watched window is hidden.
class HideCounter : public QObject {
 public:
  int hidden = 0;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Hide) ++hidden;
    return false;
  }
};

TEST_F(SettingsDialogTest, AlwaysOnTopTakesEffectWithoutMovingTheWindow) {
  form->setGeometry(150, 120, 900, 600);
  QCoreApplication::processEvents();
  HideCounter hides;
  form->installEventFilter(&hides);
  const QRect before = form->geometry();
  const QWindow* const window = form->windowHandle();
  for (const bool on : {true, false, false}) {
    Settings([&](TOKBottomDlg1& d) {
      d.CheckBox5->setChecked(on);
      d.OKBtn->click();
    });
    EXPECT_EQ(S().alwaysOnTop, on ? 1 : 0);
    EXPECT_EQ(form->windowFlags().testFlag(Qt::WindowStaysOnTopHint), on);
    EXPECT_EQ(form->windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint), on);
    // The same window, shown, in the same place.
    EXPECT_EQ(form->windowHandle(), window);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->geometry(), before);
  }
  // Nor is it taken off the screen for a moment and shown anew.
  EXPECT_EQ(hides.hidden, 0);
  form->removeEventFilter(&hides);
}

TEST_F(SettingsDialogTest, BlockPopupsAboveOneShowsCheckedAndStaysOn) {
  S().blockPopups = 2;
  Settings([](TOKBottomDlg1& d) {
    EXPECT_TRUE(d.CheckBox1->isChecked());
    d.OKBtn->click();
  });
  EXPECT_EQ(S().blockPopups, 1);
}

}  // namespace
}  // namespace trelio
