// The coin tabs: one sheet per coin with its address panel, the coin tab
// menu, the address locks.
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSplitter>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>
#include <array>
#include <string>
#include <string_view>

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

// The named handlers of a coin's controls, one row per row of kCoins and in
// its order.
struct CoinHandlers {
  std::string_view coin;  // its key
  void (TForm1::*lockButton)();
  void (TForm1::*nameLabel)();
  void (TForm1::*menuItem)();
  void (TForm1::*addressEditMouseUp)(QLineEdit*);
};

// clang-format off
constexpr std::array<CoinHandlers, kCoinCount> kCoinHandlers = {{
    {"bitcoin", &TForm1::SpeedButton2Click, &TForm1::Label5Click, &TForm1::est1Click, &TForm1::Edit1MouseUp},
    {"litecoin", &TForm1::SpeedButton3Click, &TForm1::Label10Click, &TForm1::Litecoin1Click, &TForm1::Edit2MouseUp},
    {"dash", &TForm1::SpeedButton1Click, &TForm1::Label3Click, &TForm1::Dash1Click, &TForm1::Edit3MouseUp},
    {"dogecoin", &TForm1::SpeedButton4Click, &TForm1::Label8Click, &TForm1::Dogecoin1Click, &TForm1::Edit4MouseUp},
    {"ethereum", &TForm1::SpeedButton6Click, &TForm1::Label14Click, &TForm1::Ethereum1Click, &TForm1::Edit2MouseUp},
    {"ethereum classic", &TForm1::SpeedButton7Click, &TForm1::Label17Click, &TForm1::EthereumClassic1Click, &TForm1::Edit2MouseUp},
    {"zcash", &TForm1::SpeedButton8Click, &TForm1::Label20Click, &TForm1::Zcash1Click, &TForm1::Edit2MouseUp},
    {"zclassic", &TForm1::SpeedButton9Click, &TForm1::Label23Click, &TForm1::Zclassic1Click, &TForm1::Edit2MouseUp},
    {"zencash", &TForm1::SpeedButton11Click, &TForm1::Label29Click, &TForm1::ZenCach1Click, &TForm1::Edit2MouseUp},
    {"sibcoin", &TForm1::SpeedButton10Click, &TForm1::Label26Click, &TForm1::Sibcoin1Click, &TForm1::Edit2MouseUp},
    {"bitcoin cash", &TForm1::SpeedButton12Click, &TForm1::Label32Click, &TForm1::BitcoinCash1Click, &TForm1::Edit2MouseUp},
    {"bitcoin gold", &TForm1::SpeedButton18Click, &TForm1::Label50Click, &TForm1::BitcoinGold1Click, &TForm1::Edit2MouseUp},
    {"bitcore", &TForm1::SpeedButton19Click, &TForm1::Label53Click, &TForm1::Bitcore1Click, &TForm1::Edit2MouseUp},
    {"blackcoin", &TForm1::SpeedButton13Click, &TForm1::Label35Click, &TForm1::Blackcoin1Click, &TForm1::Edit2MouseUp},
    {"peercoin", &TForm1::SpeedButton14Click, &TForm1::Label38Click, &TForm1::Peercoin1Click, &TForm1::Edit2MouseUp},
    {"primecoin", &TForm1::SpeedButton15Click, &TForm1::Label41Click, &TForm1::Primecoin1Click, &TForm1::Edit2MouseUp},
    {"monero", &TForm1::SpeedButton16Click, &TForm1::Label44Click, &TForm1::Monero1Click, &TForm1::Edit2MouseUp},
    {"karbowanec", &TForm1::SpeedButton17Click, &TForm1::Label47Click, &TForm1::Karbowanec1Click, &TForm1::Edit2MouseUp},
    {"potcoin", &TForm1::SpeedButton20Click, &TForm1::Label56Click, &TForm1::Potcoin1Click, &TForm1::Edit2MouseUp},
    {"digibyte", &TForm1::SpeedButton21Click, &TForm1::Label59Click, &TForm1::DigiByte1Click, &TForm1::Edit2MouseUp},
    {"tron", &TForm1::SpeedButton22Click, &TForm1::Label62Click, &TForm1::ron1Click, &TForm1::Edit3MouseUp},
}};
// clang-format on

// A row missing, added or out of place stops the build.
constexpr bool HandlersFollowCoinTable() {
  for (int i = 0; i < kCoinCount; ++i)
    if (kCoinHandlers[static_cast<size_t>(i)].coin != kCoins[static_cast<size_t>(i)].key)
      return false;
  return true;
}
static_assert(HandlersFollowCoinTable(), "kCoinHandlers must follow kCoins row by row");

const CoinHandlers& HandlersOf(int coin) { return kCoinHandlers[static_cast<size_t>(coin)]; }

// The place in the tab row of the coin with that key; a key that is no
// coin's does not compile.
consteval int TabOf(std::string_view key) { return kCoins[CoinOfKey(key)].tab; }

}  // namespace

void TForm1::CreateCoinTabs() {
  // Made in its place: moving a finished tree of 21 tabs into the window
  // would resolve style, font and palette of every widget in it once more.
  PageControl1 = new QTabWidget(Splitter2);
  PageControl1->setObjectName(QStringLiteral("PageControl1"));
  PageControl1->setMinimumHeight(32);
  PageControl1->setMaximumHeight(100);
  PageControl1->setIconSize({24, 24});
  PageControl1->setDocumentMode(true);
  PageControl1->setUsesScrollButtons(true);
  PageControl1->tabBar()->setFont(SansSerifFont(19));
  PageControl1->tabBar()->setDrawBase(false);
  // Tabs drawn as buttons: raised, the active one pressed in. The sheet is
  // the tab bar's alone: on the tab widget it would reach every widget of
  // the 21 pages, each then styled through it, and the window looks the same.
  PageControl1->tabBar()->setStyleSheet(QStringLiteral(
      "QTabBar::tab { background: rgb(192,192,192); color: black; margin: 2px 1px 2px 1px;"
      " padding: 1px 6px 1px 4px; border: 1px solid; border-color: white rgb(64,64,64)"
      " rgb(64,64,64) white; }"
      "QTabBar::tab:selected { background: rgb(224,224,224); border-color: rgb(64,64,64)"
      " white white rgb(64,64,64); }"
      "QTabBar::tab:hover:!selected { background: rgb(208,208,208); }"));
  PageControl1->setToolTip(QStringLiteral("Right click: show or hide tab"));
  PageControl1->installEventFilter(this);
  PageControl1->tabBar()->installEventFilter(this);

  // The sheets, too, are made where addTab puts them, in the tab widget's
  // page stack: one made apart would have its fonts and palettes resolved
  // again when it moves in, and the 21 of them took twice as long to add.
  auto* pages = PageControl1->findChild<QStackedWidget*>(
      QStringLiteral("qt_tabwidget_stackedwidget"), Qt::FindDirectChildrenOnly);
  for (int tab = 0; tab < kCoinCount; ++tab) {
    CoinWidgets& w = Coins[static_cast<size_t>(tab)];
    w.coin = kCoinTabOrder[static_cast<size_t>(tab)];
    const Coin& coin = kCoins[static_cast<size_t>(w.coin)];
    w.TabSheet = new QWidget(pages);
    w.TabSheet->setObjectName(QString::fromLatin1(coin.components.tabSheet));
    auto* layout = new QVBoxLayout(w.TabSheet);
    layout->setContentsMargins(0, 0, 0, 0);
    w.Panel = new CoinPanel(coin, tab + 1, w.TabSheet);
    w.Panel->SetHints(MessageQString(msgYourWalletAddress),
                      MessageQString(msgFaucetsMicropayments));
    layout->addWidget(w.Panel);
    layout->addStretch();
    PageControl1->addTab(w.TabSheet, ImageList1.Image(coin.icon), QString::fromLatin1(coin.name));

    const CoinHandlers& handlers = HandlersOf(w.coin);
    connect(w.Panel, &CoinPanel::lockClicked, this, handlers.lockButton);
    connect(w.Panel, &CoinPanel::nameClicked, this, handlers.nameLabel);
    connect(w.Panel, &CoinPanel::bannerClicked, this, &TForm1::Image1Click);
    connect(w.Panel, &CoinPanel::addressReleased, this, handlers.addressEditMouseUp);
  }
  PageControl1->setCurrentIndex(0);
  connect(PageControl1, &QTabWidget::currentChanged, this, [this] { PageControl1Change(); });
}

void TForm1::CreateCoinMenu() {
  PopupMenu3 = new QMenu(this);
  PopupMenu3->setObjectName(QStringLiteral("PopupMenu3"));
  for (CoinWidgets& w : Coins) {
    const Coin& coin = kCoins[static_cast<size_t>(w.coin)];
    QAction* item = AddMenuItem(PopupMenu3, std::string(coin.components.menuItem).c_str(),
                                QString::fromLatin1(coin.name), {}, true);
    item->setChecked(true);
    w.MenuItem = item;
    const auto handler = HandlersOf(w.coin).menuItem;
    ConnectClick(item, this, [this, handler] { (this->*handler)(); });
  }
}

void TForm1::ApplyEditLock(int tab, bool toggle) {
  CoinPanel* panel = Coins[static_cast<size_t>(tab)].Panel;
  if (toggle) panel->SetLocked(!panel->Locked());
  panel->ShowLock(ImageList2.Image(panel->Locked() ? 0 : 1));
}

void TForm1::ToggleCoinTab(int tab) {
  CoinWidgets& w = Coins[static_cast<size_t>(tab)];
  std::array<bool, kCoinCount> shown{};
  for (int i = 0; i < kCoinCount; ++i)
    shown[static_cast<size_t>(i)] = Coins[static_cast<size_t>(i)].MenuItem->isChecked();
  if (!MayToggleCoinTab(shown, tab)) return;
  w.MenuItem->setChecked(!w.MenuItem->isChecked());
  // Hiding the active tab makes another one active without a tab change.
  const QSignalBlocker quiet(PageControl1);
  ShowCoinTab(tab, w.MenuItem->isChecked());
  RebuildList();
}

void TForm1::ShowCoinTab(int tab, bool shown) {
  // The tab row's keys and wheel and the tab widget's Ctrl+Tab skip disabled
  // tabs but not hidden ones; a hidden coin made current would show its page
  // and draw its tab, which has no place in the row, at the row's top left.
  // Hidden first: hiding the current tab moves on to a shown one. Only the
  // tab is disabled: its page and the controls on it stay as they are.
  PageControl1->setTabVisible(tab, shown);
  PageControl1->tabBar()->setTabEnabled(tab, shown);
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
  SetAddSaveMode(AddSaveMode::Add);
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

void TForm1::SpeedButton2Click() { ApplyEditLock(TabOf("bitcoin"), true); }
void TForm1::SpeedButton3Click() { ApplyEditLock(TabOf("litecoin"), true); }
void TForm1::SpeedButton4Click() { ApplyEditLock(TabOf("dogecoin"), true); }
void TForm1::SpeedButton1Click() { ApplyEditLock(TabOf("dash"), true); }
void TForm1::SpeedButton10Click() { ApplyEditLock(TabOf("sibcoin"), true); }
void TForm1::SpeedButton6Click() { ApplyEditLock(TabOf("ethereum"), true); }
void TForm1::SpeedButton7Click() { ApplyEditLock(TabOf("ethereum classic"), true); }
void TForm1::SpeedButton8Click() { ApplyEditLock(TabOf("zcash"), true); }
void TForm1::SpeedButton9Click() { ApplyEditLock(TabOf("zclassic"), true); }
void TForm1::SpeedButton11Click() { ApplyEditLock(TabOf("zencash"), true); }
void TForm1::SpeedButton12Click() { ApplyEditLock(TabOf("bitcoin cash"), true); }
void TForm1::SpeedButton18Click() { ApplyEditLock(TabOf("bitcoin gold"), true); }
void TForm1::SpeedButton19Click() { ApplyEditLock(TabOf("bitcore"), true); }
void TForm1::SpeedButton13Click() { ApplyEditLock(TabOf("blackcoin"), true); }
void TForm1::SpeedButton14Click() { ApplyEditLock(TabOf("peercoin"), true); }
void TForm1::SpeedButton15Click() { ApplyEditLock(TabOf("primecoin"), true); }
void TForm1::SpeedButton20Click() { ApplyEditLock(TabOf("potcoin"), true); }
void TForm1::SpeedButton21Click() { ApplyEditLock(TabOf("digibyte"), true); }
void TForm1::SpeedButton16Click() { ApplyEditLock(TabOf("monero"), true); }
void TForm1::SpeedButton17Click() { ApplyEditLock(TabOf("karbowanec"), true); }
void TForm1::SpeedButton22Click() { ApplyEditLock(TabOf("tron"), true); }
void TForm1::Label5Click() { OpenCoinHomePage(TabOf("bitcoin")); }
void TForm1::Label10Click() { OpenCoinHomePage(TabOf("litecoin")); }
void TForm1::Label8Click() { OpenCoinHomePage(TabOf("dogecoin")); }
void TForm1::Label3Click() { OpenCoinHomePage(TabOf("dash")); }
void TForm1::Label26Click() { OpenCoinHomePage(TabOf("sibcoin")); }
void TForm1::Label14Click() { OpenCoinHomePage(TabOf("ethereum")); }
void TForm1::Label17Click() { OpenCoinHomePage(TabOf("ethereum classic")); }
void TForm1::Label20Click() { OpenCoinHomePage(TabOf("zcash")); }
void TForm1::Label23Click() { OpenCoinHomePage(TabOf("zclassic")); }
void TForm1::Label29Click() { OpenCoinHomePage(TabOf("zencash")); }
void TForm1::Label32Click() { OpenCoinHomePage(TabOf("bitcoin cash")); }
void TForm1::Label50Click() { OpenCoinHomePage(TabOf("bitcoin gold")); }
void TForm1::Label53Click() { OpenCoinHomePage(TabOf("bitcore")); }
void TForm1::Label35Click() { OpenCoinHomePage(TabOf("blackcoin")); }
void TForm1::Label38Click() { OpenCoinHomePage(TabOf("peercoin")); }
void TForm1::Label41Click() { OpenCoinHomePage(TabOf("primecoin")); }
void TForm1::Label56Click() { OpenCoinHomePage(TabOf("potcoin")); }
void TForm1::Label59Click() { OpenCoinHomePage(TabOf("digibyte")); }
void TForm1::Label44Click() { OpenCoinHomePage(TabOf("monero")); }
void TForm1::Label47Click() { OpenCoinHomePage(TabOf("karbowanec")); }
void TForm1::Label62Click() { OpenCoinHomePage(TabOf("tron")); }
void TForm1::est1Click() { ToggleCoinTab(TabOf("bitcoin")); }
void TForm1::Litecoin1Click() { ToggleCoinTab(TabOf("litecoin")); }
void TForm1::Dogecoin1Click() { ToggleCoinTab(TabOf("dogecoin")); }
void TForm1::Dash1Click() { ToggleCoinTab(TabOf("dash")); }
void TForm1::Sibcoin1Click() { ToggleCoinTab(TabOf("sibcoin")); }
void TForm1::Ethereum1Click() { ToggleCoinTab(TabOf("ethereum")); }
void TForm1::EthereumClassic1Click() { ToggleCoinTab(TabOf("ethereum classic")); }
void TForm1::Zcash1Click() { ToggleCoinTab(TabOf("zcash")); }
void TForm1::Zclassic1Click() { ToggleCoinTab(TabOf("zclassic")); }
void TForm1::ZenCach1Click() { ToggleCoinTab(TabOf("zencash")); }
void TForm1::BitcoinCash1Click() { ToggleCoinTab(TabOf("bitcoin cash")); }
void TForm1::BitcoinGold1Click() { ToggleCoinTab(TabOf("bitcoin gold")); }
void TForm1::Bitcore1Click() { ToggleCoinTab(TabOf("bitcore")); }
void TForm1::Blackcoin1Click() { ToggleCoinTab(TabOf("blackcoin")); }
void TForm1::Peercoin1Click() { ToggleCoinTab(TabOf("peercoin")); }
void TForm1::Primecoin1Click() { ToggleCoinTab(TabOf("primecoin")); }
void TForm1::Potcoin1Click() { ToggleCoinTab(TabOf("potcoin")); }
void TForm1::DigiByte1Click() { ToggleCoinTab(TabOf("digibyte")); }
void TForm1::Monero1Click() { ToggleCoinTab(TabOf("monero")); }
void TForm1::Karbowanec1Click() { ToggleCoinTab(TabOf("karbowanec")); }
void TForm1::ron1Click() { ToggleCoinTab(TabOf("tron")); }

}  // namespace trelio
