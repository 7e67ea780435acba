// The coin tabs: one sheet per coin with its address panel, the coin tab
// menu, the address locks.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/core/items/ItemCaptions.h"
#include "app/core/settings/CoinTabToggle.h"
#include "app/core/text/Messages.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/DetailPanel.h"
#include "app/widgets/Fonts.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"
#include "app/window/MenuItems.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

struct CoinHandlers {
  void (TForm1::*lockButton)();
  void (TForm1::*nameLabel)();
  void (TForm1::*menuItem)();
};

// In coin table order.
const CoinHandlers kCoinHandlers[kCoinCount] = {
    {&TForm1::SpeedButton2Click, &TForm1::Label5Click, &TForm1::est1Click},
    {&TForm1::SpeedButton3Click, &TForm1::Label10Click, &TForm1::Litecoin1Click},
    {&TForm1::SpeedButton4Click, &TForm1::Label8Click, &TForm1::Dogecoin1Click},
    {&TForm1::SpeedButton1Click, &TForm1::Label3Click, &TForm1::Dash1Click},
    {&TForm1::SpeedButton10Click, &TForm1::Label26Click, &TForm1::Sibcoin1Click},
    {&TForm1::SpeedButton6Click, &TForm1::Label14Click, &TForm1::Ethereum1Click},
    {&TForm1::SpeedButton7Click, &TForm1::Label17Click, &TForm1::EthereumClassic1Click},
    {&TForm1::SpeedButton8Click, &TForm1::Label20Click, &TForm1::Zcash1Click},
    {&TForm1::SpeedButton9Click, &TForm1::Label23Click, &TForm1::Zclassic1Click},
    {&TForm1::SpeedButton11Click, &TForm1::Label29Click, &TForm1::ZenCach1Click},
    {&TForm1::SpeedButton12Click, &TForm1::Label32Click, &TForm1::BitcoinCash1Click},
    {&TForm1::SpeedButton18Click, &TForm1::Label50Click, &TForm1::BitcoinGold1Click},
    {&TForm1::SpeedButton19Click, &TForm1::Label53Click, &TForm1::Bitcore1Click},
    {&TForm1::SpeedButton13Click, &TForm1::Label35Click, &TForm1::Blackcoin1Click},
    {&TForm1::SpeedButton14Click, &TForm1::Label38Click, &TForm1::Peercoin1Click},
    {&TForm1::SpeedButton15Click, &TForm1::Label41Click, &TForm1::Primecoin1Click},
    {&TForm1::SpeedButton20Click, &TForm1::Label56Click, &TForm1::Potcoin1Click},
    {&TForm1::SpeedButton21Click, &TForm1::Label59Click, &TForm1::DigiByte1Click},
    {&TForm1::SpeedButton16Click, &TForm1::Label44Click, &TForm1::Monero1Click},
    {&TForm1::SpeedButton17Click, &TForm1::Label47Click, &TForm1::Karbowanec1Click},
    {&TForm1::SpeedButton22Click, &TForm1::Label62Click, &TForm1::ron1Click},
};

const QColor kLockedBackground(0xC0, 0xC0, 0xC0);

}  // namespace

void TForm1::CreateCoinTabs() {
  PageControl1 = new QTabWidget();
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setMinimumHeight(32);
  PageControl1->setMaximumHeight(100);
  PageControl1->setIconSize({24, 24});
  PageControl1->setDocumentMode(true);
  PageControl1->setUsesScrollButtons(true);
  PageControl1->tabBar()->setFont(SansSerifFont(19));
  PageControl1->tabBar()->setDrawBase(false);
  // Tabs drawn as buttons: raised, the active one pressed in.
  PageControl1->setStyleSheet(QStringLiteral(
      "QTabWidget::pane { border: none; }"
      "QTabWidget::tab-bar { left: 0px; }"
      "QTabBar::tab { background: rgb(192,192,192); color: black; margin: 2px 1px 2px 1px;"
      " padding: 1px 6px 1px 4px; border: 1px solid; border-color: white rgb(64,64,64)"
      " rgb(64,64,64) white; }"
      "QTabBar::tab:selected { background: rgb(224,224,224); border-color: rgb(64,64,64)"
      " white white rgb(64,64,64); }"
      "QTabBar::tab:hover:!selected { background: rgb(208,208,208); }"));
  PageControl1->setToolTip(QStringLiteral("Right click: show or hide tab"));
  PageControl1->installEventFilter(this);
  PageControl1->tabBar()->installEventFilter(this);

  for (int i = 0; i < kCoinCount; ++i) {
    const CoinComponents& coin = kCoinTabs[static_cast<size_t>(i)];
    CoinWidgets& w = Coins[static_cast<size_t>(i)];
    w.TabSheet = new QWidget();
    w.TabSheet->setObjectName(QString::fromLatin1(coin.tabSheet));
    auto* layout = new QVBoxLayout(w.TabSheet);
    layout->setContentsMargins(0, 0, 0, 0);
    w.Panel = new CoinPanel(coin, i + 1, w.TabSheet);
    w.Panel->setToolTip(MessageQString(msgYourWalletAddress));
    w.Panel->Banner->setToolTip(MessageQString(msgFaucetsMicropayments));
    if (std::string_view(coin.lockButton) != "SpeedButton4")
      w.Panel->LockButton->setToolTip(QStringLiteral("Lock for edit"));
    layout->addWidget(w.Panel);
    layout->addStretch();
    PageControl1->addTab(w.TabSheet, ImageList1.Image(coin.icon), QString::fromUtf8(coin.caption));

    const auto handlers = kCoinHandlers[i];
    connect(w.Panel->LockButton, &QToolButton::clicked, this,
            [this, handlers] { (this->*handlers.lockButton)(); });
    w.Panel->AddressEdit->installEventFilter(this);
    w.Panel->NameLabel->installEventFilter(this);
    w.Panel->Banner->installEventFilter(this);
  }
  PageControl1->setCurrentIndex(0);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
}

void TForm1::CreateCoinMenu() {
  PopupMenu3 = new QMenu(this);
  PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
  for (int i = 0; i < kCoinCount; ++i) {
    const CoinComponents& coin = kCoinTabs[static_cast<size_t>(i)];
    QAction* item =
        AddMenuItem(PopupMenu3, coin.menuItem, QString::fromUtf8(coin.caption), {}, true);
    item->setChecked(true);
    Coins[static_cast<size_t>(i)].MenuItem = item;
    const auto handlers = kCoinHandlers[i];
    ConnectClick(item, this, [this, handlers] { (this->*handlers.menuItem)(); });
  }
}

void TForm1::CoinLabelReleased(int coin) { (this->*kCoinHandlers[coin].nameLabel)(); }

void TForm1::ApplyEditLock(int coin, bool toggle) {
  CoinPanel* panel = Coins[static_cast<size_t>(coin)].Panel;
  QLineEdit* edit = panel->AddressEdit;
  if (toggle) edit->setReadOnly(!edit->isReadOnly());
  const bool locked = edit->isReadOnly();
  panel->LockButton->setIcon(ImageList2.Image(locked ? 0 : 1));
  QPalette p = edit->palette();
  p.setColor(QPalette::Base, locked ? kLockedBackground : QColor(Qt::white));
  edit->setPalette(p);
}

void TForm1::ToggleCoinTab(int coin) {
  CoinWidgets& w = Coins[static_cast<size_t>(coin)];
  std::array<bool, kCoinCount> shown{};
  for (int i = 0; i < kCoinCount; ++i)
    shown[static_cast<size_t>(i)] = Coins[static_cast<size_t>(i)].MenuItem->isChecked();
  if (!MayToggleCoinTab(shown, coin)) return;
  w.MenuItem->setChecked(!w.MenuItem->isChecked());
  // Hiding the active tab makes another one active without a tab change.
  const QSignalBlocker quiet(PageControl1);
  PageControl1->setTabVisible(coin, w.MenuItem->isChecked());
  RebuildList();
}

void TForm1::UpdateNewItemCaption() {
  NewItem1->setText(LiteralCaption(Utf16ToQString(
      NewItemCaption(QStringToUtf16(PageControl1->tabText(PageControl1->currentIndex()))))));
}

void TForm1::ResetEditor() {
  ToolButton15->setEnabled(false);
  ToolButton6->setEnabled(false);
  SpeedButton5->setEnabled(false);
  WebBrowser1->Hide();
  WebBrowser2->Hide();
  Panel2->SetCaption(QString());
  Edit7->clear();
  Edit5->clear();
  Edit6->clear();
  Edit8->clear();
  ToolButton15->setIcon(ImageList5.Image(4));
  ToolButton15->setToolTip(MessageQString(msgAddNewItem));
  StatusBar1->SetPanelText(0, QString());
}

void TForm1::PageControl1Change() {
  ResetEditor();
  Browsing->ForgetCurrentItem();
  UpdateNewItemCaption();
  RebuildList();
}

void TForm1::PageControl1MouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) PopupMenu3->popup(QCursor::pos());
}

// Address edits: a locked one selects all its text, ready to be copied.
static void SelectAllWhenLocked(QLineEdit* edit) {
  if (edit && edit->isReadOnly()) edit->selectAll();
}
void TForm1::Edit1MouseUp(QLineEdit* sender) { SelectAllWhenLocked(sender); }
void TForm1::Edit2MouseUp(QLineEdit* sender) { SelectAllWhenLocked(sender); }
void TForm1::Edit3MouseUp(QLineEdit* sender) { SelectAllWhenLocked(sender); }
void TForm1::Edit4MouseUp(QLineEdit* sender) { SelectAllWhenLocked(sender); }

void TForm1::SpeedButton2Click() { ApplyEditLock(0, true); }
void TForm1::SpeedButton3Click() { ApplyEditLock(1, true); }
void TForm1::SpeedButton4Click() { ApplyEditLock(2, true); }
void TForm1::SpeedButton1Click() { ApplyEditLock(3, true); }
void TForm1::SpeedButton10Click() { ApplyEditLock(4, true); }
void TForm1::SpeedButton6Click() { ApplyEditLock(5, true); }
void TForm1::SpeedButton7Click() { ApplyEditLock(6, true); }
void TForm1::SpeedButton8Click() { ApplyEditLock(7, true); }
void TForm1::SpeedButton9Click() { ApplyEditLock(8, true); }
void TForm1::SpeedButton11Click() { ApplyEditLock(9, true); }
void TForm1::SpeedButton12Click() { ApplyEditLock(10, true); }
void TForm1::SpeedButton18Click() { ApplyEditLock(11, true); }
void TForm1::SpeedButton19Click() { ApplyEditLock(12, true); }
void TForm1::SpeedButton13Click() { ApplyEditLock(13, true); }
void TForm1::SpeedButton14Click() { ApplyEditLock(14, true); }
void TForm1::SpeedButton15Click() { ApplyEditLock(15, true); }
void TForm1::SpeedButton20Click() { ApplyEditLock(16, true); }
void TForm1::SpeedButton21Click() { ApplyEditLock(17, true); }
void TForm1::SpeedButton16Click() { ApplyEditLock(18, true); }
void TForm1::SpeedButton17Click() { ApplyEditLock(19, true); }
void TForm1::SpeedButton22Click() { ApplyEditLock(20, true); }
void TForm1::Label5Click() { OpenCoinHomePage(0); }
void TForm1::Label10Click() { OpenCoinHomePage(1); }
void TForm1::Label8Click() { OpenCoinHomePage(2); }
void TForm1::Label3Click() { OpenCoinHomePage(3); }
void TForm1::Label26Click() { OpenCoinHomePage(4); }
void TForm1::Label14Click() { OpenCoinHomePage(5); }
void TForm1::Label17Click() { OpenCoinHomePage(6); }
void TForm1::Label20Click() { OpenCoinHomePage(7); }
void TForm1::Label23Click() { OpenCoinHomePage(8); }
void TForm1::Label29Click() { OpenCoinHomePage(9); }
void TForm1::Label32Click() { OpenCoinHomePage(10); }
void TForm1::Label50Click() { OpenCoinHomePage(11); }
void TForm1::Label53Click() { OpenCoinHomePage(12); }
void TForm1::Label35Click() { OpenCoinHomePage(13); }
void TForm1::Label38Click() { OpenCoinHomePage(14); }
void TForm1::Label41Click() { OpenCoinHomePage(15); }
void TForm1::Label56Click() { OpenCoinHomePage(16); }
void TForm1::Label59Click() { OpenCoinHomePage(17); }
void TForm1::Label44Click() { OpenCoinHomePage(18); }
void TForm1::Label47Click() { OpenCoinHomePage(19); }
void TForm1::Label62Click() { OpenCoinHomePage(20); }
void TForm1::est1Click() { ToggleCoinTab(0); }
void TForm1::Litecoin1Click() { ToggleCoinTab(1); }
void TForm1::Dogecoin1Click() { ToggleCoinTab(2); }
void TForm1::Dash1Click() { ToggleCoinTab(3); }
void TForm1::Sibcoin1Click() { ToggleCoinTab(4); }
void TForm1::Ethereum1Click() { ToggleCoinTab(5); }
void TForm1::EthereumClassic1Click() { ToggleCoinTab(6); }
void TForm1::Zcash1Click() { ToggleCoinTab(7); }
void TForm1::Zclassic1Click() { ToggleCoinTab(8); }
void TForm1::ZenCach1Click() { ToggleCoinTab(9); }
void TForm1::BitcoinCash1Click() { ToggleCoinTab(10); }
void TForm1::BitcoinGold1Click() { ToggleCoinTab(11); }
void TForm1::Bitcore1Click() { ToggleCoinTab(12); }
void TForm1::Blackcoin1Click() { ToggleCoinTab(13); }
void TForm1::Peercoin1Click() { ToggleCoinTab(14); }
void TForm1::Primecoin1Click() { ToggleCoinTab(15); }
void TForm1::Potcoin1Click() { ToggleCoinTab(16); }
void TForm1::DigiByte1Click() { ToggleCoinTab(17); }
void TForm1::Monero1Click() { ToggleCoinTab(18); }
void TForm1::Karbowanec1Click() { ToggleCoinTab(19); }
void TForm1::ron1Click() { ToggleCoinTab(20); }

}  // namespace trelio
