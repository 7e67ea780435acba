// The main window: coin tabs on top, the faucet list on the left, the detail
// tool bar over the two browser windows on the right.
#pragma once

#include <QMainWindow>
#include <QPixmap>
#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>

#include "app/browser/EmbeddedBrowser.h"
#include "app/core/about/VersionCheck.h"
#include "app/core/browsing/BrowsingController.h"
#include "app/core/coins/CoinTable.h"
#include "app/core/index/FaucetItem.h"
#include "app/core/index/IndexFile.h"
#include "app/core/index/IndexMerge.h"
#include "app/core/index/IndexRecovery.h"
#include "app/core/items/ItemActions.h"
#include "app/core/items/ItemEdits.h"
#include "app/core/settings/AppSettings.h"
#include "app/core/settings/DataFolder.h"
#include "app/platform/FolderLock.h"
#include "app/threads/BackgroundWriter.h"
#include "app/threads/ExecuteThread.h"
#include "app/threads/RecoveryWriter.h"
#include "app/widgets/FaucetListDrawing.h"
#include "app/widgets/FileDialogComponent.h"
#include "app/widgets/Pictures.h"
#include "app/window/StartupOptions.h"
#include "app/window/WindowPrompts.h"
#include "hashes/Hashes.h"

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QPainter;
class QPlainTextEdit;
class QSplitter;
class QTabWidget;
class QTranslator;
class QToolBar;
class QToolButton;

namespace trelio {

class CoinPanel;
class DetailPanel;
class EditSplitter;
class FaucetListBox;
class FaucetListDelegate;
class FormBrowsingView;
class MyThread;
class PanelStatusBar;
class SyncGate;
class TAboutBox;
class TOKBottomDlg;
class TOKBottomDlg1;

// The controls of one coin's tab, made from the coin's row of kCoins.
struct CoinWidgets {
  int coin = -1;  // the row in kCoins, and the place in the settings' per-coin lists
  QWidget* TabSheet = nullptr;
  CoinPanel* Panel = nullptr;
  QAction* MenuItem = nullptr;  // its item in PopupMenu3
};

class TForm1 : public QMainWindow {
  Q_OBJECT

 public:
  // The browser windows come from browsers, which must outlive the window.
  explicit TForm1(EmbeddedBrowserFactory& browsers, QWidget* parent = nullptr);
  // The same, with the surroundings of the start-up given.
  TForm1(EmbeddedBrowserFactory& browsers, StartupOptions options, QWidget* parent = nullptr);
  ~TForm1() override;

  // The window's state, for tests and benchmarks.
  FaucetIndex& Rows() { return StringGrid1; }
  const FaucetIndex& Rows() const { return StringGrid1; }
  TIntegerHash& RowsByUrl() { return UrlRowMap; }
  IndexState& IndexAndFiles() { return Index; }
  AppSettings& CurrentSettings() { return Settings; }
  BrowsingController& BrowsingControl() { return *Browsing; }
  // The window's questions to the user; tests answer them.
  WindowPrompts& UserPrompts() { return Prompts; }
  // How the window opens a URL in the user's default web browser.
  ShellOpener& UrlOpener() { return ShellOpen; }
  const DataFiles& DataFolderFiles() const { return Files; }
  const std::string& Language() const { return LanguageCode; }
  bool IndexIsLoaded() const { return IndexLoaded; }

  static constexpr int VersionNumber = kVersionNumber;

  // The two browser windows; WebBrowser1 starts as the active one.
  std::unique_ptr<EmbeddedBrowser> WebBrowser1;
  std::unique_ptr<EmbeddedBrowser> WebBrowser2;

  // Kept in place: members are built and torn down in declaration order.
 private:
  // The faucet index held in memory.
  FaucetIndex StringGrid1;
  // URL key -> row of StringGrid1.
  TIntegerHash UrlRowMap;
  // The index with its table; its files are set at start-up.
  IndexState Index{StringGrid1, UrlRowMap, {}, '.'};

  // The window's settings: read at start-up, written at exit; until then
  // those of a settings file without keys.
  AppSettings Settings = ReadAppSettings(IniFile(), SettingsEnvironment{});
  // The browsing state (current, browsed and preloaded rows, the active
  // window) and the browse commands.
  std::unique_ptr<BrowsingController> Browsing;

 public:
  ImageList ImageList1, ImageList2, ImageList3, ImageList4, ImageList5;
  QPixmap FavBitmap;  // "fav"

  bool FirstShow = true;
  bool LockForUpdate = false;
  QString SortDescription;

  EmbeddedBrowser* ActiveBrowser() const;
  EmbeddedBrowser* InactiveBrowser() const;

 private:
  // Opens a URL in the user's default web browser.
  ShellOpener ShellOpen = &ShellOpenUrl;

 public:
  // Start-up and shutdown.
  void FormCreate();
  void FormDestroy();
  void FormShow();

  // --- Start-up, shutdown and the minute ticker ---
 private:
  // The data folder and its files; all empty when no data folder could be
  // had, and then nothing is read from it or written to it.
  DataFiles Files;
  // "en" or "ru", the language selected by the settings.
  std::string LanguageCode = "en";
  // The index in memory stands for index.csv: it was loaded, or there was
  // none to load. Shutdown saves the index only then, so that a failed load
  // or a start that stopped early never writes an empty index over the stored
  // one. A command that replaces the whole index sets it.
  bool IndexLoaded = false;

 public:
  // The minute ticker, from the end of the start-up to the start of shutdown.
  std::unique_ptr<MyThread> Ticker;
  // Each tick hands a changed index to the recovery file, so that a crash
  // loses a minute at most.
  void KeepIndexForRecovery();
  // Another program works on the data folder that this start chose: this
  // one read and wrote nothing there, and only says so before it ends.
  bool DataFolderTaken = false;
  // Calls the program that holds the data folder, so that it comes to the
  // front, and tells the user in the error box.
  void TellDataFolderTaken();
  void SetHints();
  // One expiry pass over the whole index at the current time.
  void ExpireCompletedItems();
  // The window side of a tick after the expiry: repaint, wait text.
  void MyThreadTick();
  // --- end of start-up, shutdown and the minute ticker ---

  // List.
  // `beforeFill` runs once the rows to list are known, before the list is
  // refilled.
  void RebuildList(const QString& coin = QString(), const std::function<void()>& beforeFill = {});
  void ApplySortOptions();
  void SyncListOptionsMenu();
  void SelectCurrentItem(bool loadFields);
  void ListBox1Click();
  void ListBox1DblClick();
  void ListBox1KeyPress(QChar key);
  void ListBox1MouseUp(Qt::MouseButton button);
  void ListBox1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected);
  void ToolButton1Click();
  void ToolButton2Click();
  void ToolButton5Click();
  void ToolBar1DblClick();
  void ToolBar1MouseUp(Qt::MouseButton button);
  void StatusBar2MouseUp(Qt::MouseButton button);

  // Coin tabs.
  void PageControl1Change();
  void PageControl1MouseUp(Qt::MouseButton button);
  void ResetEditor();
  void Image1Click();
  void Edit1MouseUp(QLineEdit* sender);
  void Edit2MouseUp(QLineEdit* sender);
  void Edit3MouseUp(QLineEdit* sender);
  void Edit4MouseUp(QLineEdit* sender);
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton1Click();
  void SpeedButton10Click();
  void SpeedButton6Click();
  void SpeedButton7Click();
  void SpeedButton8Click();
  void SpeedButton9Click();
  void SpeedButton11Click();
  void SpeedButton12Click();
  void SpeedButton18Click();
  void SpeedButton19Click();
  void SpeedButton13Click();
  void SpeedButton14Click();
  void SpeedButton15Click();
  void SpeedButton20Click();
  void SpeedButton21Click();
  void SpeedButton16Click();
  void SpeedButton17Click();
  void SpeedButton22Click();

  void Label5Click();
  void Label10Click();
  void Label8Click();
  void Label3Click();
  void Label26Click();
  void Label14Click();
  void Label17Click();
  void Label20Click();
  void Label23Click();
  void Label29Click();
  void Label32Click();
  void Label50Click();
  void Label53Click();
  void Label35Click();
  void Label38Click();
  void Label41Click();
  void Label56Click();
  void Label59Click();
  void Label44Click();
  void Label47Click();
  void Label62Click();

  void est1Click();
  void Litecoin1Click();
  void Dogecoin1Click();
  void Dash1Click();
  void Sibcoin1Click();
  void Ethereum1Click();
  void EthereumClassic1Click();
  void Zcash1Click();
  void Zclassic1Click();
  void ZenCach1Click();
  void BitcoinCash1Click();
  void BitcoinGold1Click();
  void Bitcore1Click();
  void Blackcoin1Click();
  void Peercoin1Click();
  void Primecoin1Click();
  void Potcoin1Click();
  void DigiByte1Click();
  void Monero1Click();
  void Karbowanec1Click();
  void ron1Click();

  // Detail area and browsing.
  void Panel2Click();
  void ToolButton6Click();
  void ToolButton7Click();
  void ToolButton9Click();
  void ToolButton10Click();
  void Edit5Click();
  void Edit5Change();
  void Edit6Change();
  void Edit7Change();
  void Edit8Change();
  void Edit6KeyDown(QLineEdit* sender, QKeyEvent* key);
  void Edit6KeyPress(QChar key);
  void Edit7KeyPress(QChar key);
  void Edit8KeyPress(QChar key);
  void SpeedButton5Click();
  void ToolButton15Click();
  void ShowUpdateLockGlyph();

  // Claim state of the current item.
  void CompleteCurrentItem();
  void ShowItemWaitState();

  // Page scripts; their answers come back as console lines.
  void EvalJs(EmbeddedBrowser& browser, const QString& script);
  // The wallet address of the coin whose key (its lower-cased caption) is
  // coin; empty when coin is not a coin key.
  QString CoinAddress(const QString& coin) const;

  // Browser events.
  void ChromiumLoadStart(int browserId, bool mainFrame, const QString& url);
  void ChromiumLoadEnd(int browserId, bool mainFrame, const QString& url, int httpStatusCode);
  void ChromiumLoadingStateChange(int browserId, bool isLoading, bool canGoBack, bool canGoForward);
  void ChromiumDocumentAvailableInMainFrame(int browserId);
  void ChromiumConsoleMessage(int browserId, const QString& message);
  void ChromiumTextResultAvailable(int browserId, quint64 request, const QString& text);
  bool ChromiumBeforePopup(const QString& targetUrl);

  // The dialogs; each registers itself here while it exists.
  TAboutBox* AboutBox = nullptr;
  TOKBottomDlg1* OKBottomDlg1 = nullptr;
  // The check marks of the "Updating options" items from the options.
  void ShowUpdatingOptions();

  // Main menu and item menu.
  void NewItem1Click();
  void Updateindex1Click();
  void Load2Click();
  void Updatingwithshowinghiddenitems1Click();
  void Hidingbeforeupdate1Click();
  void Clearingbeforeupdating1Click();
  void Save1Click();
  void SaveFullIndextofile1Click();
  void ClearIndex1Click();
  void About1Click();
  void HomePage1Click();
  void Feedback1Click();
  void Settings1Click();
  void Language2Click();
  void N12Click();
  void Exit1Click();
  void Load1Click();
  void Nocompleted1Click();
  void Hide1Click();
  void Addtofavorites1Click();
  void Remove1Click();

  // List view options.
  void Refresh1Click();
  void Withoutsorting1Click();
  void Sortinginorderbylastpayout1Click();
  void Sortinginorderbymovedaverage1Click();
  void Sortinginorderbyaveragepayout1Click();
  void Sortinginorderbytotalpayout1Click();
  void sortedinascendingorderbyinterval1Click();
  void sortinginalphabeticalorder1Click();
  void Ascendingorder1Click();
  void Descendingorder1Click();
  void Showhiddenitems1Click();
  void Hiddenpointsalwaysbelow1Click();
  void Singlelineview1Click();

  // --- Item editing, item actions, index commands and the list rebuild ---
 private:
  // The window's questions to the user; tests answer them.
  WindowPrompts Prompts = WindowPrompts::Standard();

 public:
  // The coin key and the referral of the listed coin, set by every rebuild.
  std::string CurrentCoin;
  std::string CurrentReferral;
  void SetAddSaveMode(AddSaveMode mode);
  bool AddSaveInSaveMode() const { return AddSaveButtonMode == AddSaveMode::Save; }
  // --- end of item editing ---

  // --- The index download ---
  // The update-progress dialog while it exists (it sets and clears this);
  // without it "Update Index" downloads nothing.
  TOKBottomDlg* OKBottomDlg = nullptr;
  // Progress of the download of the dialog's latest showing, on the window
  // thread: the length the server announced (0: none), then the bytes so far.
  void IdHTTP1WorkBegin(int64_t expected);
  void IdHTTP1Work(int64_t countSoFar);
  // --- end of the index download ---

 signals:
  // The window has been closed; the program ends.
  void Closed();

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  // Mouse and key events of widgets that have no signal for them.
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The window's own parts: the browsing view and the dialogs it opens.
  friend class FormBrowsingView;
  friend class TAboutBox;
  friend class TOKBottomDlg;
  friend class TOKBottomDlg1;

  // The widgets, menus and dialogs. Tests reach them by their object names.
  // Layout.
  QTabWidget* PageControl1 = nullptr;
  QSplitter* Splitter2 = nullptr;
  QWidget* Panel1 = nullptr;
  QSplitter* Splitter1 = nullptr;
  QWidget* Panel3 = nullptr;
  QToolBar* ToolBar1 = nullptr;
  QToolButton* ToolButton1 = nullptr;
  QToolButton* ToolButton2 = nullptr;
  QToolButton* ToolButton5 = nullptr;
  FaucetListBox* ListBox1 = nullptr;
  PanelStatusBar* StatusBar2 = nullptr;
  DetailPanel* Panel2 = nullptr;
  QToolBar* ToolBar2 = nullptr;
  QToolButton* ToolButton7 = nullptr;
  QToolButton* ToolButton9 = nullptr;
  QToolButton* ToolButton10 = nullptr;
  QLineEdit* Edit7 = nullptr;
  EditSplitter* Splitter3 = nullptr;
  QToolButton* ToolButton6 = nullptr;
  QToolButton* SpeedButton5 = nullptr;
  QLineEdit* Edit5 = nullptr;
  EditSplitter* Splitter4 = nullptr;
  QLineEdit* Edit6 = nullptr;
  EditSplitter* Splitter5 = nullptr;
  QLineEdit* Edit8 = nullptr;
  EditSplitter* Splitter6 = nullptr;
  QToolButton* ToolButton15 = nullptr;
  PanelStatusBar* StatusBar1 = nullptr;
  QPlainTextEdit* MemoJsInsertAdr = nullptr;
  QPlainTextEdit* MemoJsDetectInterval = nullptr;
  std::array<CoinWidgets, kCoinCount> Coins;

  // Main menu: one item without caption, shown by its icon.
  QMenu* File1 = nullptr;
  QAction* NewItem1 = nullptr;
  QAction* Updateindex1 = nullptr;
  QAction* Load2 = nullptr;
  QMenu* Updatingoptions1 = nullptr;
  QAction* Updatingwithshowinghiddenitems1 = nullptr;
  QAction* Hidingbeforeupdate1 = nullptr;
  QAction* Clearingbeforeupdating1 = nullptr;
  QMenu* List1 = nullptr;
  QAction* Refresh2 = nullptr;
  QAction* Defaultsorting1 = nullptr;
  QAction* Sortinginorderbylastpayout2 = nullptr;
  QAction* Sortinginorderbymovingaveragepayout1 = nullptr;
  QAction* Sortinginorderbyaveragepayout2 = nullptr;
  QAction* Sortinginorderbytotalpayout2 = nullptr;
  QAction* Sortinginorderbyinterval2 = nullptr;
  QAction* Sortinginalphabeticalorder2 = nullptr;
  QAction* Ascendingorder2 = nullptr;
  QAction* Descendingorder2 = nullptr;
  QAction* Showhiddenitems2 = nullptr;
  QAction* Hiddenitemsalwaysbelow1 = nullptr;
  QAction* Singlelineview2 = nullptr;
  QAction* Save1 = nullptr;
  QAction* SaveFullIndextofile1 = nullptr;
  QAction* ClearIndex1 = nullptr;
  QAction* About1 = nullptr;
  QAction* HomePage1 = nullptr;
  QAction* Feedback1 = nullptr;
  QAction* Settings1 = nullptr;
  QMenu* Language1 = nullptr;
  QAction* Language2 = nullptr;
  QAction* N12 = nullptr;
  QAction* Exit1 = nullptr;

  // Item menu of the list.
  QMenu* PopupMenu1 = nullptr;
  QAction* Load1 = nullptr;
  QAction* Nocompleted1 = nullptr;
  QAction* Hide1 = nullptr;
  QAction* Addtofavorites1 = nullptr;
  QAction* Remove1 = nullptr;

  // List view options; these items carry the state, the main-menu twins
  // only mirror it.
  QMenu* PopupMenu2 = nullptr;
  QAction* Refresh1 = nullptr;
  QAction* Withoutsorting1 = nullptr;
  QAction* Sortinginorderbylastpayout1 = nullptr;
  QAction* Sortinginorderbymovedaverage1 = nullptr;
  QAction* Sortinginorderbyaveragepayout1 = nullptr;
  QAction* Sortinginorderbytotalpayout1 = nullptr;
  QAction* sortedinascendingorderbyinterval1 = nullptr;
  QAction* sortinginalphabeticalorder1 = nullptr;
  QAction* Ascendingorder1 = nullptr;
  QAction* Descendingorder1 = nullptr;
  QAction* Showhiddenitems1 = nullptr;
  QAction* Hiddenpointsalwaysbelow1 = nullptr;
  QAction* Singlelineview1 = nullptr;

  // Coin tab menu.
  QMenu* PopupMenu3 = nullptr;

  // Each makes its dialog when it is first shown.
  FileDialogComponent* OpenDialog1 = nullptr;
  FileDialogComponent* SaveDialog1 = nullptr;
  FileDialogComponent* SaveDialog2 = nullptr;

  // Each item of the options pop-up menu with its twin in the main menu.
  std::vector<std::pair<QAction*, QAction*>> OptionTwins;

  // Used by the window alone.
  QPixmap BannerBitmap;  // "fh"
  QString VersionText;
  // The window of a browser event; null for an identifier of neither.
  EmbeddedBrowser* BrowserById(int browserId) const;
  void LoadBitmaps();
  // The user's decimal separator, taken before "." is put in force.
  char SystemDecimalSeparator = '.';
  // Each tick writes changed settings to settings.ini, so that a crash
  // loses a minute at most.
  void KeepSettingsOnDisk();
  // The settings as the window shows them now: the address edits, tabs and
  // locks, the page, the panel sizes, the window's state and bounds.
  AppSettings WindowSettings() const;
  // Where the window system lets a program do it.
  void BringToFront();
  void ApplyLanguageSetting(const std::string& languageCode);
  // Loads a language, translates the window, sets the menu marks, the
  // language code, the composed hints, and refills the list.
  void SwitchLanguage(int32_t lcid, const char* code, QAction* unchecked, QAction* checked);
  void ReadSortOptions();
  // The options menu's sort items, indexed by sort kind.
  std::array<QAction*, 7> SortItems() const;
  void ApplyEditLock(int tab, bool toggle);
  void UpdateNewItemCaption();
  // The wallet address of the active coin tab; empty when its caption is not
  // a coin.
  QString GetActiveCoinAddress() const;
  // Puts the window into the topmost band or out of it, neither moving nor
  // resizing it.
  void SetAlwaysOnTop(bool on);
  // The template rows of the files merged since start-up.
  TemplateLists ServerTemplates;
  // The file names the save dialogs offer: their first name, then the last
  // one chosen.
  QString SaveDialog1FileName;
  QString SaveDialog2FileName;
  // The mode of ToolButton15: its image (4 add, 5 save) and its hint follow it.
  AddSaveMode AddSaveButtonMode = AddSaveMode::Add;
  // The hint of the button's mode, in the current language.
  void ShowAddSaveHint();
  // Reports an edit of the row to the maker's server, fire and forget.
  void SendItemAction(ItemAction action, const FaucetItem& row);
  // Before a command replaces, compacts or clears the index rows: the detail
  // area reset and no reference to a row left.
  void ForgetItemsForIndexChange();
  // Runs an index command that may replace the rows: the list is rebuilt
  // when it reports a change, and always when it fails, so that no entry
  // keeps a freed row. `beforeFill` as for RebuildList, after a change.
  void RunIndexCommand(const std::function<bool()>& command,
                       const std::function<void()>& beforeFill = {});
  // While "Update Index" or "Update Index from file..." runs, the window
  // only repaints between its steps (Unit1IndexCommands.cpp); a close asked
  // for meanwhile comes once it has ended.
  class IndexUpdatePauses;
  IndexUpdatePauses* indexUpdate_ = nullptr;
  bool closeAfterIndexUpdate_ = false;
  // Shows the save dialog with its file name; false when cancelled.
  bool ChooseSaveFile(FileDialogComponent* dialog, QString& fileName, const char* firstName);

  void CreateLayout();
  void CreateListColumn();
  void CreateDetailArea();
  void CreateCoinTabs();
  void CreateMainMenu();
  void CreateListMenus();
  void CreateCoinMenu();
  void CreateDialogs();
  void CreateBrowsers(EmbeddedBrowserFactory& browsers);
  void ConnectBrowser(EmbeddedBrowser& browser);
  void SelectSortItem(QAction* item);
  void ToggleCoinTab(int tab);
  void ShowCoinTab(int tab, bool shown);
  void OpenCoinHomePage(int tab);

  // The four detail edits, and the checked values shown in them.
  ItemEdits DetailEdits() const;
  void ShowCheckedEdits(const ItemEdits& edits);

  void RestoreWindowState();
  // Takes the folder's lock and answers the calls of later starts; false
  // when another program holds it.
  bool HoldDataFolder(const DataFiles& files);
  void LoadStartupIndex();
  void SaveShutdownIndex();
  void SaveShutdownSettings();

  std::unique_ptr<SyncGate> syncGate_;
  StartupOptions startup_;
  // Qt's own texts in Russian while the Russian language is active; owned by
  // the window, and out of the application again when it goes.
  QTranslator* toolkitTexts_ = nullptr;
  // The widgets show the settings read at start-up, so writing them back
  // keeps what the file held.
  bool settingsRestored_ = false;
  IndexRecovery indexRecovery_;
  std::unique_ptr<RecoveryWriter> recoveryWriter_;
  // Until the first paint (or the second tick, for a window never painted)
  // the recovery check waits: the first tick comes while the window is
  // still blank, and writing out a large index then would hold it up.
  bool recoveryWaitsForPaint_ = true;
  // The data folder, held from its choice to the end of the shutdown.
  FolderLock folderLock_;
  QString takenFolder_;  // the folder another program holds
  // settings.ini as last written or read; empty writer: not kept on disk
  // while running (no folder, or a file that could not be read).
  std::string settingsWritten_;
  std::unique_ptr<BackgroundWriter> settingsWriter_;
  std::unique_ptr<FormBrowsingView> browsingView_;
  FaucetListDelegate* listDelegate_ = nullptr;
  ListDrawResources listResources_;
  bool created_ = false;
};

}  // namespace trelio
