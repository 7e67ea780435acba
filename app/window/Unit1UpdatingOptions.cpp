// The "Updating options" menu items. Each toggles its own option first; then
// the options are brought back into line: "Hiding before updating" on needs
// "Updating with showing hidden items" on and "Clearing before updating" off.
#include <QAction>

#include "app/window/Unit1.h"

namespace trelio {

void TForm1::Updatingwithshowinghiddenitems1Click() {
  Updatingwithshowinghiddenitems1->setChecked(!Updatingwithshowinghiddenitems1->isChecked());
  Settings.updatingWithShowingHiddenItems = Updatingwithshowinghiddenitems1->isChecked() ? 1 : 0;
  if (Settings.updatingWithShowingHiddenItems == 0) {
    Settings.hidingBeforeUpdating = 0;
    Hidingbeforeupdate1->setChecked(false);
  }
}

void TForm1::Hidingbeforeupdate1Click() {
  Hidingbeforeupdate1->setChecked(!Hidingbeforeupdate1->isChecked());
  Settings.hidingBeforeUpdating = Hidingbeforeupdate1->isChecked() ? 1 : 0;
  if (Settings.hidingBeforeUpdating != 1) return;
  if (Settings.updatingWithShowingHiddenItems == 0) {
    Settings.updatingWithShowingHiddenItems = 1;
    Updatingwithshowinghiddenitems1->setChecked(true);
  }
  if (Settings.clearingBeforeUpdating == 1) {
    Settings.clearingBeforeUpdating = 0;
    Clearingbeforeupdating1->setChecked(false);
  }
}

void TForm1::Clearingbeforeupdating1Click() {
  Clearingbeforeupdating1->setChecked(!Clearingbeforeupdating1->isChecked());
  Settings.clearingBeforeUpdating = Clearingbeforeupdating1->isChecked() ? 1 : 0;
  if (Settings.clearingBeforeUpdating == 1 && Settings.hidingBeforeUpdating == 1) {
    Settings.hidingBeforeUpdating = 0;
    Hidingbeforeupdate1->setChecked(false);
  }
}

}  // namespace trelio
