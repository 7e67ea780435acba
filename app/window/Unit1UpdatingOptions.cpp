// The "Updating options" menu items. Each toggles its own option first; the
// settings then bring the others back into line and the items show them.
#include <QAction>

#include "app/core/settings/UpdatingOptions.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

void Toggle(TForm1& form, QAction* item, UpdatingOption option) {
  SetUpdatingOption(form.CurrentSettings(), option, !item->isChecked());
  form.ShowUpdatingOptions();
}

}  // namespace

void TForm1::ShowUpdatingOptions() {
  Updatingwithshowinghiddenitems1->setChecked(Settings.updatingWithShowingHiddenItems == 1);
  Hidingbeforeupdate1->setChecked(Settings.hidingBeforeUpdating == 1);
  Clearingbeforeupdating1->setChecked(Settings.clearingBeforeUpdating == 1);
}

void TForm1::Updatingwithshowinghiddenitems1Click() {
  Toggle(*this, Updatingwithshowinghiddenitems1, UpdatingOption::withShowingHiddenItems);
}

void TForm1::Hidingbeforeupdate1Click() {
  Toggle(*this, Hidingbeforeupdate1, UpdatingOption::hidingBeforeUpdating);
}

void TForm1::Clearingbeforeupdating1Click() {
  Toggle(*this, Clearingbeforeupdating1, UpdatingOption::clearingBeforeUpdating);
}

}  // namespace trelio
