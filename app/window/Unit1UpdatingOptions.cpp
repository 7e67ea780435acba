// The "Updating options" menu items. Each toggles its own option first; the
// settings then bring the others back into line and the items show them.
#include <QAction>

#include "app/core/settings/UpdatingOptions.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

void Toggle(TForm1& form, QAction* item, UpdatingOption option) {
  SetUpdatingOption(form.Settings, option, !item->isChecked());
  form.Updatingwithshowinghiddenitems1->setChecked(form.Settings.updatingWithShowingHiddenItems ==
                                                   1);
  form.Hidingbeforeupdate1->setChecked(form.Settings.hidingBeforeUpdating == 1);
  form.Clearingbeforeupdating1->setChecked(form.Settings.clearingBeforeUpdating == 1);
}

}  // namespace

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
