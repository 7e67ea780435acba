// Refilling the faucet list of the active coin from the index.
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "app/core/coins/CoinTable.h"
#include "app/core/list/FaucetList.h"
#include "app/platform/CodePage.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit1.h"

namespace trelio {

void TForm1::RebuildList(const QString& coin, const std::function<void()>& beforeFill) {
  const std::string coinKey = QStringToAnsi(coin);
  const std::string caption = QStringToAnsi(PageControl1->tabText(PageControl1->currentIndex()));
  FaucetListRequest request;
  request.coinKey = coinKey;
  request.activeTabCaption = caption;
  request.currentReferral = CurrentReferral;
  request.coinReferral = [this](std::string_view key) -> std::optional<std::string> {
    const int i = CoinOfKey(key);
    if (i < 0) return std::nullopt;
    return Settings.effectiveReferrals[static_cast<size_t>(i)];
  };
  request.lastItemUrls = &Browsing->LastItemUrl();
  request.showHidden = ToolButton1->isChecked();
  request.sort = {Settings.sortBy, Settings.order, Settings.hiddenAlwaysBelow};
  const FaucetList list = BuildFaucetList(StringGrid1, request);
  CurrentCoin = list.currentCoin;
  CurrentReferral = list.currentReferral;
  if (beforeFill) beforeFill();

  {
    // Filling the list is no click on it.
    const QSignalBlocker quiet(ListBox1);
    ListBox1->clear();
    ApplySortOptions();
    SyncListOptionsMenu();
    // The code page once for the whole list: finding it reads the locale.
    const int codePage = SystemAnsiCodePage();
    for (FaucetItem* row : list.items)
      ListBox1->AddItem(AnsiToQString((*row)[fName], codePage), row);
  }
  StatusBar2->SetPanelText(0, Utf16ToQString(list.countText));
  ListBox1->viewport()->update();
  Browsing->ListRebuilt(list);
}

}  // namespace trelio
