// The main menu's "About..." and "Settings...": the dialogs made at start-up,
// shown modally.
#include <QWindow>

#include "app/core/settings/SettingsDialogRules.h"
#include "app/window/Unit1.h"
#include "app/window/Unit2.h"
#include "app/window/Unit4.h"

namespace trelio {

void TForm1::About1Click() {
  if (AboutBox) AboutBox->exec();
}

void TForm1::Settings1Click() {
  if (!OKBottomDlg1) return;
  TOKBottomDlg1& dialog = *OKBottomDlg1;
  dialog.SetOptions(DialogOptionsOf(Settings));
  if (dialog.exec() != QDialog::Accepted) return;
  ApplyDialogOptions(Settings, dialog.Options());
  // Set on every OK, changed or not.
  SetAlwaysOnTop(Settings.alwaysOnTop == 1);
  ShowUpdatingOptions();
  // The dialog edits the intervals of the no-pay list; its messages stay.
  Settings.noPayIntervals =
      NoPayIntervalsFromCells(dialog.IntervalCells(), Settings.noPayIntervals);
}

void TForm1::SetAlwaysOnTop(bool on) {
  Qt::WindowFlags flags = windowFlags();
  flags.setFlag(Qt::WindowStaysOnTopHint, on);
  QWindow* window = windowHandle();
  if (!window) {
    setWindowFlags(flags);
    return;
  }
  // Changing the widget's flags would make its window anew, hidden and
  // possibly elsewhere; the window system is told on the existing window.
  overrideWindowFlags(flags);
  window->setFlags(flags);
}

}  // namespace trelio
