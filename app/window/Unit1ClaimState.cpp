// Claim state on the window: the minute ticker's tick, and completing or
// making incompleted the current item by hand.
#include "app/core/claim/ClaimState.h"
#include "app/widgets/FaucetListBox.h"
#include "app/window/Unit1.h"

namespace trelio {

void TForm1::ExpireCompletedItems() {
  trelio::ExpireCompletedItems(StringGrid1, Settings.noPayIntervals, NowSeconds(startup_.clock));
}

void TForm1::MyThreadTick() {
  ListBox1->viewport()->update();
  if (Browsing->CurrentItem()) ShowItemWaitState();
}

void TForm1::Nocompleted1Click() {
  FaucetItem* item = Browsing->CurrentItem();
  if (!item) return;
  if (!(*item)[fCompleted].empty()) {
    MakeIncompleted(*item);
    ListBox1->viewport()->update();
  } else {
    // The next tick repaints.
    CompleteCurrentItem();
  }
  ShowItemWaitState();
}

}  // namespace trelio
