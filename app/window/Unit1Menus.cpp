// The main menu, the item menu and the list view options with their twins.
#include <QActionGroup>
#include <QFileDialog>
#include <QMenuBar>
#include <QToolButton>
#include <algorithm>
#include <vector>

#include "app/core/list/ListRowStyle.h"
#include "app/core/list/ListSortOptions.h"
#include "app/core/text/Messages.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/TextBridge.h"
#include "app/window/MenuItems.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

// Radio items keep their round mark; their handlers set the checks.
template <typename Items>
QActionGroup* RadioGroup(QObject* parent, const Items& items) {
  auto* group = new QActionGroup(parent);
  group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
  for (QAction* item : items) group->addAction(item);
  return group;
}

}  // namespace

void TForm1::CreateMainMenu() {
  const ImageList& img = ImageList4;
  File1 = new QMenu(menuBar());
  File1->setObjectName(QStringLiteral("File1"));
  File1->menuAction()->setObjectName(QStringLiteral("File1"));
  File1->setIcon(img.Image(0));
  menuBar()->setObjectName(QStringLiteral("MainMenu1"));
  menuBar()->addMenu(File1);

  NewItem1 = AddMenuItem(File1, "NewItem1", QStringLiteral("New Item"), img.Image(6));
  File1->setDefaultAction(NewItem1);
  File1->addSeparator();
  Updateindex1 = AddMenuItem(File1, "Updateindex1", QStringLiteral("Update Index"), img.Image(1));
  Load2 = AddMenuItem(File1, "Load2", QStringLiteral("Update Index from file..."), img.Image(2));
  Updatingoptions1 =
      AddSubmenu(File1, "Updatingoptions1", QStringLiteral("Updating options"), img.Image(10));
  Updatingwithshowinghiddenitems1 =
      AddMenuItem(Updatingoptions1, "Updatingwithshowinghiddenitems1",
                  QStringLiteral("Updating with showing hidden items"), {}, true);
  Hidingbeforeupdate1 = AddMenuItem(Updatingoptions1, "Hidingbeforeupdate1",
                                    QStringLiteral("Hiding before updating"), {}, true);
  Clearingbeforeupdating1 = AddMenuItem(Updatingoptions1, "Clearingbeforeupdating1",
                                        QStringLiteral("Clearing before updating"), {}, true);
  List1 = AddSubmenu(File1, "List1", QStringLiteral("List view options"), img.Image(13));
  File1->addSeparator();
  Save1 = AddMenuItem(File1, "Save1", QStringLiteral("Save Index to file..."), img.Image(3));
  SaveFullIndextofile1 = AddMenuItem(File1, "SaveFullIndextofile1",
                                     QStringLiteral("Save full Index to file..."), img.Image(3));
  File1->addSeparator();
  ClearIndex1 = AddMenuItem(File1, "ClearIndex1", QStringLiteral("Clear Index"), img.Image(9));
  File1->addSeparator();
  About1 = AddMenuItem(File1, "About1", QStringLiteral("About..."), img.Image(5));
  HomePage1 = AddMenuItem(File1, "HomePage1", QStringLiteral("Home Page"), img.Image(7));
  Feedback1 = AddMenuItem(File1, "Feedback1", QStringLiteral("Feedback"), img.Image(8));
  File1->addSeparator();
  Settings1 = AddMenuItem(File1, "Settings1", QStringLiteral("Settings..."), img.Image(11));
  Language1 = AddSubmenu(File1, "Language1", QStringLiteral("Language"), img.Image(12));
  Language2 = AddMenuItem(Language1, "Language2", QStringLiteral("English"), {}, true);
  Language2->setChecked(true);
  N12 = AddMenuItem(Language1, "N12", QString::fromUtf8("Русский"), {}, true);
  File1->addSeparator();
  Exit1 = AddMenuItem(File1, "Exit1", QStringLiteral("Exit"), img.Image(4));

  ConnectClick(NewItem1, this, [this] { NewItem1Click(); });
  ConnectClick(Updateindex1, this, [this] { Updateindex1Click(); });
  ConnectClick(Load2, this, [this] { Load2Click(); });
  ConnectClick(Updatingwithshowinghiddenitems1, this,
               [this] { Updatingwithshowinghiddenitems1Click(); });
  ConnectClick(Hidingbeforeupdate1, this, [this] { Hidingbeforeupdate1Click(); });
  ConnectClick(Clearingbeforeupdating1, this, [this] { Clearingbeforeupdating1Click(); });
  ConnectClick(Save1, this, [this] { Save1Click(); });
  ConnectClick(SaveFullIndextofile1, this, [this] { SaveFullIndextofile1Click(); });
  ConnectClick(ClearIndex1, this, [this] { ClearIndex1Click(); });
  ConnectClick(About1, this, [this] { About1Click(); });
  ConnectClick(HomePage1, this, [this] { HomePage1Click(); });
  ConnectClick(Feedback1, this, [this] { Feedback1Click(); });
  ConnectClick(Settings1, this, [this] { Settings1Click(); });
  ConnectClick(Language2, this, [this] { Language2Click(); });
  ConnectClick(N12, this, [this] { N12Click(); });
  ConnectClick(Exit1, this, [this] { Exit1Click(); });
}

void TForm1::CreateListMenus() {
  PopupMenu1 = new QMenu(this);
  PopupMenu1->setObjectName(QStringLiteral("PopupMenu1"));
  Load1 = AddMenuItem(PopupMenu1, "Load1", QStringLiteral("Browse"));
  PopupMenu1->addSeparator();
  Nocompleted1 = AddMenuItem(PopupMenu1, "Nocompleted1", QStringLiteral("Make incompleted"));
  Hide1 = AddMenuItem(PopupMenu1, "Hide1", QStringLiteral("Hide"));
  Addtofavorites1 = AddMenuItem(PopupMenu1, "Addtofavorites1", QStringLiteral("Add to favorites"));
  PopupMenu1->addSeparator();
  Remove1 = AddMenuItem(PopupMenu1, "Remove1", QStringLiteral("Remove"));
  ConnectClick(Load1, this, [this] { Load1Click(); });
  ConnectClick(Nocompleted1, this, [this] { Nocompleted1Click(); });
  ConnectClick(Hide1, this, [this] { Hide1Click(); });
  ConnectClick(Addtofavorites1, this, [this] { Addtofavorites1Click(); });
  ConnectClick(Remove1, this, [this] { Remove1Click(); });

  // The options menu and its twins in the main menu, item for item.
  struct Option {
    QAction** popup;
    const char* popupName;
    QAction** twin;
    const char* twinName;
    const char* caption;
    void (TForm1::*handler)();
    bool checkable;
  };
  const Option options[] = {
      {&Refresh1, "Refresh1", &Refresh2, "Refresh2", "Refresh list", &TForm1::Refresh1Click, false},
      {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, false},
      {&Withoutsorting1, "Withoutsorting1", &Defaultsorting1, "Defaultsorting1", "Default sorting",
       &TForm1::Withoutsorting1Click, true},
      {&Sortinginorderbylastpayout1, "Sortinginorderbylastpayout1", &Sortinginorderbylastpayout2,
       "Sortinginorderbylastpayout2", "Sorting in order by last payout",
       &TForm1::Sortinginorderbylastpayout1Click, true},
      {&Sortinginorderbymovedaverage1, "Sortinginorderbymovedaverage1",
       &Sortinginorderbymovingaveragepayout1, "Sortinginorderbymovingaveragepayout1",
       "Sorting in order by moving average payout", &TForm1::Sortinginorderbymovedaverage1Click,
       true},
      {&Sortinginorderbyaveragepayout1, "Sortinginorderbyaveragepayout1",
       &Sortinginorderbyaveragepayout2, "Sortinginorderbyaveragepayout2",
       "Sorting in order by average payout", &TForm1::Sortinginorderbyaveragepayout1Click, true},
      {&Sortinginorderbytotalpayout1, "Sortinginorderbytotalpayout1", &Sortinginorderbytotalpayout2,
       "Sortinginorderbytotalpayout2", "Sorting in order by total payout",
       &TForm1::Sortinginorderbytotalpayout1Click, true},
      {&sortedinascendingorderbyinterval1, "sortedinascendingorderbyinterval1",
       &Sortinginorderbyinterval2, "Sortinginorderbyinterval2", "Sorting in order by interval",
       &TForm1::sortedinascendingorderbyinterval1Click, true},
      {&sortinginalphabeticalorder1, "sortinginalphabeticalorder1", &Sortinginalphabeticalorder2,
       "Sortinginalphabeticalorder2", "Sorting in alphabetical order",
       &TForm1::sortinginalphabeticalorder1Click, true},
      {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, false},
      {&Ascendingorder1, "Ascendingorder1", &Ascendingorder2, "Ascendingorder2", "Ascending order",
       &TForm1::Ascendingorder1Click, true},
      {&Descendingorder1, "Descendingorder1", &Descendingorder2, "Descendingorder2",
       "Descending order", &TForm1::Descendingorder1Click, true},
      {nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, false},
      {&Showhiddenitems1, "Showhiddenitems1", &Showhiddenitems2, "Showhiddenitems2",
       "Show hidden items", &TForm1::Showhiddenitems1Click, true},
      {&Hiddenpointsalwaysbelow1, "Hiddenpointsalwaysbelow1", &Hiddenitemsalwaysbelow1,
       "Hiddenitemsalwaysbelow1", "Hidden items always below",
       &TForm1::Hiddenpointsalwaysbelow1Click, true},
      {&Singlelineview1, "Singlelineview1", &Singlelineview2, "Singlelineview2", "Single line view",
       &TForm1::Singlelineview1Click, true},
  };
  PopupMenu2 = new QMenu(this);
  PopupMenu2->setObjectName(QStringLiteral("PopupMenu2"));
  for (const Option& o : options) {
    if (!o.popup) {
      PopupMenu2->addSeparator();
      List1->addSeparator();
      continue;
    }
    const QString caption = QString::fromLatin1(o.caption);
    *o.popup = AddMenuItem(PopupMenu2, o.popupName, caption, {}, o.checkable);
    *o.twin = AddMenuItem(List1, o.twinName, caption, {}, o.checkable);
    const auto handler = o.handler;
    ConnectClick(*o.popup, this, [this, handler] { (this->*handler)(); });
    ConnectClick(*o.twin, this, [this, handler] { (this->*handler)(); });
    OptionTwins.emplace_back(*o.popup, *o.twin);
  }
  PopupMenu2->setDefaultAction(Refresh1);
  const std::array<QAction*, 7> sortItems = SortItems();
  std::vector<QAction*> sortTwins;
  for (const auto& [item, twin] : OptionTwins)
    if (std::find(sortItems.begin(), sortItems.end(), item) != sortItems.end())
      sortTwins.push_back(twin);
  RadioGroup(this, sortItems);
  RadioGroup(this, sortTwins);
  RadioGroup(this, std::array{Ascendingorder1, Descendingorder1});
  RadioGroup(this, std::array{Ascendingorder2, Descendingorder2});
}

void TForm1::CreateDialogs() {
  OpenDialog1 =
      new FileDialogComponent(this, QStringLiteral("OpenDialog1"), QFileDialog::AcceptOpen);
  OpenDialog1->setFileMode(QFileDialog::ExistingFile);
  OpenDialog1->SetFilter(QStringLiteral("Comma separated values (CSV) files|*.csv|All files|*"));
  SaveDialog1 =
      new FileDialogComponent(this, QStringLiteral("SaveDialog1"), QFileDialog::AcceptSave);
  SaveDialog2 =
      new FileDialogComponent(this, QStringLiteral("SaveDialog2"), QFileDialog::AcceptSave);
}

std::array<QAction*, 7> TForm1::SortItems() const {
  return {Withoutsorting1,
          sortedinascendingorderbyinterval1,
          sortinginalphabeticalorder1,
          Sortinginorderbytotalpayout1,
          Sortinginorderbylastpayout1,
          Sortinginorderbymovedaverage1,
          Sortinginorderbyaveragepayout1};
}

void TForm1::ReadSortOptions() {
  const std::array<QAction*, 7> items = SortItems();
  std::array<bool, 6> checked{};
  for (size_t kind = 1; kind < items.size(); ++kind) checked[kind - 1] = items[kind]->isChecked();
  Settings.sortBy = SortKindFromChecked(checked);
  Settings.order = Descendingorder1->isChecked() ? 1 : 0;
  Settings.hiddenAlwaysBelow = Hiddenpointsalwaysbelow1->isChecked() ? 1 : 0;
}

void TForm1::ApplySortOptions() {
  const SortOptions options{Settings.sortBy, Settings.order, Settings.hiddenAlwaysBelow};
  SelectSortItem(SortItems()[options.Kind()]);
  SortDescription = Utf16ToQString(trelio::SortDescription(options));
  Ascendingorder1->setChecked(Settings.order != 1);
  Descendingorder1->setChecked(Settings.order == 1);
  Hiddenpointsalwaysbelow1->setChecked(Settings.hiddenAlwaysBelow == 1);
}

void TForm1::SyncListOptionsMenu() {
  for (const auto& [item, twin] : OptionTwins)
    if (item->isCheckable()) twin->setChecked(item->isChecked());
}

void TForm1::SelectSortItem(QAction* item) {
  for (QAction* kind : SortItems()) kind->setChecked(kind == item);
}

void TForm1::Refresh1Click() { RebuildList(); }

#define SORT_COMMAND(Handler, Item) \
  void TForm1::Handler() {          \
    SelectSortItem(Item);           \
    ReadSortOptions();              \
    RebuildList();                  \
  }
SORT_COMMAND(Withoutsorting1Click, Withoutsorting1)
SORT_COMMAND(Sortinginorderbylastpayout1Click, Sortinginorderbylastpayout1)
SORT_COMMAND(Sortinginorderbymovedaverage1Click, Sortinginorderbymovedaverage1)
SORT_COMMAND(Sortinginorderbyaveragepayout1Click, Sortinginorderbyaveragepayout1)
SORT_COMMAND(Sortinginorderbytotalpayout1Click, Sortinginorderbytotalpayout1)
SORT_COMMAND(sortedinascendingorderbyinterval1Click, sortedinascendingorderbyinterval1)
SORT_COMMAND(sortinginalphabeticalorder1Click, sortinginalphabeticalorder1)
#undef SORT_COMMAND

void TForm1::Ascendingorder1Click() {
  Ascendingorder1->setChecked(true);
  Descendingorder1->setChecked(false);
  ReadSortOptions();
  RebuildList();
}

void TForm1::Descendingorder1Click() {
  Descendingorder1->setChecked(true);
  Ascendingorder1->setChecked(false);
  ReadSortOptions();
  RebuildList();
}

void TForm1::Showhiddenitems1Click() {
  ToolButton1->setChecked(!Showhiddenitems1->isChecked());
  Showhiddenitems1->setChecked(ToolButton1->isChecked());
  RebuildList();
}

void TForm1::Hiddenpointsalwaysbelow1Click() {
  Hiddenpointsalwaysbelow1->setChecked(!Hiddenpointsalwaysbelow1->isChecked());
  ReadSortOptions();
  RebuildList();
}

void TForm1::Singlelineview1Click() {
  Singlelineview1->setChecked(!Singlelineview1->isChecked());
  ListBox1->SetItemHeight(Singlelineview1->isChecked() ? kSingleLineItemHeight
                                                       : kTwoLineItemHeight);
  ListBox1->viewport()->update();
  SyncListOptionsMenu();
}

}  // namespace trelio
