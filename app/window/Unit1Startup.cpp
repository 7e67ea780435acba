// The main window's start-up and shutdown: the data folder, settings.ini and
// index.csv, the window brought into the state the settings describe, and
// the minute ticker.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QScreen>
#include <QSplitter>
#include <QTabWidget>
#include <QTimer>
#include <QToolButton>
#include <cstdio>
#include <utility>

#include "app/core/index/FileBytes.h"
#include "app/core/index/InOutError.h"
#include "app/core/index/IndexCommands.h"
#include "app/core/list/ListRowStyle.h"
#include "app/core/settings/BrowserEmulation.h"
#include "app/core/settings/LanguageSetting.h"
#include "app/core/text/ErrorText.h"
#include "app/core/text/Numbers.h"
#include "app/platform/DecimalSeparator.h"
#include "app/platform/FileSystem.h"
#include "app/platform/IniFile.h"
#include "app/platform/LocaleInfo.h"
#include "app/platform/UserFolders.h"
#include "app/program/Application.h"
#include "app/program/FirstPaint.h"
#include "app/threads/MyThread.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/DetailPanel.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

QString OrDefault(const QString& folder, const QString& fallback) {
  return folder.isEmpty() ? fallback : folder;
}

// A failure at shutdown goes to stderr: the window is closed by then and the
// loop has ended, and a modal box could hold up the end of a session.
void ReportShutdownError(const QString& error) {
  std::fprintf(stderr, "Korvane Trelio: %s\n", error.toLocal8Bit().constData());
}

}  // namespace

void TForm1::FormCreate() {
  // The user's decimal separator is taken first; "." then holds for every
  // number.
  SystemDecimalSeparator = TakeUserDecimalSeparator();
  Index.systemDecimalSeparator = SystemDecimalSeparator;
  // The browser events, then the two browsers.
  ConnectBrowser(*WebBrowser1);
  ConnectBrowser(*WebBrowser2);
  WebBrowser1->CreateBrowser(Panel2);
  WebBrowser2->CreateBrowser(Panel2);
  for (auto* browser : {WebBrowser1.get(), WebBrowser2.get()})
    if (browser->View()) Panel2->AddView(browser->View());
  if (WebBrowser1->View()) WebBrowser1->View()->setObjectName(QStringLiteral("WebBrowser1"));
  if (WebBrowser2->View()) WebBrowser2->View()->setObjectName(QStringLiteral("WebBrowser2"));
  // The first showing looks for the index (FormShow), once.
  FirstShow = true;
  // The version in the title, long-lived hints, the pictures.
  VersionText = AnsiToQString(FormatVersion(VersionNumber));
  // The caption and the application title come with the composed hints.
  SetHints();
  for (QWidget* w : findChildren<QWidget*>())
    if (!w->toolTip().isEmpty()) w->setToolTipDuration(60000);
  LoadBitmaps();

  // The data folder, its files, the first-run copy.
  const QString programFolder =
      OrDefault(startup_.programFolder, QCoreApplication::applicationDirPath());
  const DataFolderChoice folder = ChooseDataFolder(PathBytes(programFolder), AppDataFolder());
  if (!folder.error.empty()) {
    // Nothing is read from or written to a folder that cannot be used.
    ShowErrorBox(SystemText(folder.error));
  } else {
    // One program per data folder: a second one reads and writes nothing
    // there, not even the leftovers of the first one's saves.
    // Files stays empty when the folder is another program's.
    const DataFiles files = DataFilesIn(folder.folder);
    if (!HoldDataFolder(files)) {
      FirstShow = false;
      ApplyLanguageSetting(DefaultLanguageCode(GetLocaleInformation(kLocaleSAbbrevLangName)));
      return;
    }
    Files = files;
    Index.files = Files.index;
    RemoveInterruptedSaves(Files);
    const FirstRunCopy copy = CopyFirstRunSettings(folder, PathBytes(programFolder));
    if (!copy.error.empty()) ShowErrorBox(SystemText(copy.error));
  }

  // The settings, with the language applied right after its key.
  SettingsEnvironment environment;
  if (startup_.screen) {
    environment.screen = *startup_.screen;
  } else if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    environment.screen = {screen->geometry().width(), screen->geometry().height()};
  }
  environment.abbreviatedLanguageName = GetLocaleInformation(kLocaleSAbbrevLangName);
  const IniFile ini = Files.settings.empty() ? IniFile() : IniFile::Load(Files.settings);
  Settings = ReadAppSettings(ini, environment,
                             [this](const std::string& code) { ApplyLanguageSetting(code); });
  if (!Files.settings.empty() && ini.LoadError().ok()) {
    settingsWritten_ = ini.Bytes();
    settingsWriter_ = std::make_unique<BackgroundWriter>();
  }

  // The list, update and window options, the coin tabs and their addresses.
  RestoreWindowState();

  // The index, under its header row.
  StringGrid1.Row(0).AssignFields(kFaucetHeader);
  LoadStartupIndex();
  if (!Files.folder.empty()) recoveryWriter_ = std::make_unique<RecoveryWriter>();

  // The list of the active coin, both browsers hidden, the minute ticker running.
  RebuildList();
  WebBrowser1->Hide();
  WebBrowser2->Hide();
  Ticker = std::make_unique<MyThread>(
      [this] {
        ExpireCompletedItems();
        MyThreadTick();
        if (!std::exchange(recoveryWaitsForPaint_, false)) KeepIndexForRecovery();
        KeepSettingsOnDisk();
      },
      startup_.ticker);
  // Once painted, after the rest that waits for the paint (the browser
  // engine's start).
  AfterFirstPaint(*this, [this] {
    recoveryWaitsForPaint_ = false;
    QTimer::singleShot(0, this, [this] { KeepIndexForRecovery(); });
  });
  Ticker->Start();
}

void TForm1::RestoreWindowState() {
  // List options.
  ToolButton1->setChecked(Settings.showHidden);
  Showhiddenitems1->setChecked(ToolButton1->isChecked());
  Singlelineview1->setChecked(Settings.singleLineView);
  ListBox1->SetItemHeight(Singlelineview1->isChecked() ? kSingleLineItemHeight
                                                       : kTwoLineItemHeight);
  ApplySortOptions();
  SyncListOptionsMenu();
  // Update options, already brought into line on reading.
  ShowUpdatingOptions();
  // Bounds that failed the screen tests came back as the designed ones.
  // Left and top place the frame, as the window system keeps them.
  resize(Settings.bounds.width, Settings.bounds.height);
  move(Settings.bounds.left, Settings.bounds.top);
  if (Settings.maximized) setWindowState(windowState() | Qt::WindowMaximized);
  setWindowFlag(Qt::WindowStaysOnTopHint, Settings.alwaysOnTop == 1);
  // The save dialogs ask before overwriting a file.
  SaveDialog1->setOption(QFileDialog::DontConfirmOverwrite, false);
  SaveDialog2->setOption(QFileDialog::DontConfirmOverwrite, false);
  // The active coin page; a page set here is no tab change of the user.
  {
    const QSignalBlocker quiet(PageControl1);
    PageControl1->setCurrentIndex(Settings.page);
  }
  UpdateNewItemCaption();
  // The width of the list column and the height of the coin tab row.
  const int leftWidth = Settings.leftPanelWidth;
  Splitter1->setSizes({leftWidth, std::max(width() - leftWidth - Splitter1->handleWidth(), 1)});
  const int topHeight = Settings.topPanelHeight;
  Splitter2->setSizes({topHeight, std::max(height() - topHeight - Splitter2->handleWidth(), 1)});
  // The browser emulation value; this engine does not read it, so a
  // failure only goes to stderr.
  const Outcome registry =
      WriteBrowserEmulation(UserConfigFolder(), PathBytes(QCoreApplication::applicationFilePath()),
                            Settings.featureBrowserEmulation);
  if (!registry.ok()) std::fprintf(stderr, "Korvane Trelio: %s\n", ErrorText(registry).c_str());
  // Locks, tabs, lock glyphs, the update lock, addresses.
  for (const CoinWidgets& w : Coins)
    w.Panel->SetLocked(Settings.locks[static_cast<size_t>(w.coin)] == "1");
  {
    // Hiding the active tab moves to another one without a tab change.
    const QSignalBlocker quiet(PageControl1);
    for (int tab = 0; tab < kCoinCount; ++tab) {
      const CoinWidgets& w = Coins[static_cast<size_t>(tab)];
      const bool shown = Settings.tabs[static_cast<size_t>(w.coin)] == "1";
      ShowCoinTab(tab, shown);
      w.MenuItem->setChecked(shown);
    }
  }
  for (int tab = 0; tab < kCoinCount; ++tab) ApplyEditLock(tab, false);
  LockForUpdate = false;
  ShowUpdateLockGlyph();
  for (const CoinWidgets& w : Coins)
    w.Panel->SetAddress(AnsiToQString(Settings.addresses[static_cast<size_t>(w.coin)]));
  settingsRestored_ = true;
}

void TForm1::LoadStartupIndex() {
  if (Files.folder.empty()) return;  // no data folder: nothing to load or save
  DropUnmergedDownload(Index);
  const QString workingFolder = OrDefault(startup_.workingFolder, QDir::currentPath());
  const StartupIndex start = ChooseStartupIndex(Files, PathBytes(workingFolder));
  if (start.loadPath.empty()) {
    IndexLoaded = true;  // there is none yet: empty is what is stored
    indexRecovery_.Stored(StringGrid1, IndexFileText(StringGrid1, SystemDecimalSeparator));
    return;
  }
  LoadedIndexFile loaded;
  try {
    LoadIndex(Index, start.loadPath, ';', &loaded);
  } catch (const EInOutError& e) {
    // The index stays empty and is not saved at exit, so the stored one is
    // kept for a start that can read it.
    ShowErrorBox(ExceptionText(e));
    return;
  }
  IndexLoaded = true;
  // What was loaded is on disk already, in the bytes just read.
  if (!start.saveToDataFolder) {
    indexRecovery_.Loaded(StringGrid1, std::move(loaded));
    return;
  }
  try {
    SaveIndex(Index, Files.index.csv, true);
  } catch (const EInOutError& e) {
    ShowErrorBox(ExceptionText(e));
  }
  indexRecovery_.Stored(StringGrid1, IndexFileText(StringGrid1, SystemDecimalSeparator));
}

void TForm1::FormDestroy() {
  // No expiry may run while or after the index is written; a tick that is
  // just being handed over still runs while this waits.
  if (Ticker) {
    Ticker->Stop();
    Ticker->WaitFor();
    Ticker.reset();
  }
  // A recovery write may not come after the save that makes it stale, nor
  // a settings write after the last one.
  if (recoveryWriter_) recoveryWriter_->Stop();
  if (settingsWriter_) settingsWriter_->Stop();
  // Then the index and the settings are saved.
  SaveShutdownIndex();
  SaveShutdownSettings();
}

void TForm1::KeepIndexForRecovery() {
  // Only an index that stands for index.csv may later take its place.
  if (!IndexLoaded || !recoveryWriter_ || Index.files.recovery.empty()) return;
  // The bytes are made here, where the index lives; the disk is the writer's.
  if (std::optional<std::string> text = indexRecovery_.ChangedText(Index))
    recoveryWriter_->Post(Index.files, std::move(*text));
}

void TForm1::SaveShutdownIndex() {
  if (!IndexLoaded || Index.files.csv.empty()) return;
  try {
    SaveIndex(Index, Index.files.csv, true);
    RemoveRecoveryFile(Index.files);
  } catch (const std::exception& e) {
    ReportShutdownError(ExceptionText(e));
    // The recovery file then keeps what index.csv could not take, for the
    // next start.
    const Outcome kept =
        WriteRecoveryFile(Index.files, IndexFileText(StringGrid1, SystemDecimalSeparator));
    if (!kept.ok()) ReportShutdownError(SystemText(ErrorText(kept)));
  }
}

void TForm1::SaveShutdownSettings() {
  if (!settingsRestored_ || Files.settings.empty()) return;
  std::string error;
  try {
    Settings = WindowSettings();
    const Outcome saved = SaveAppSettings(Files.settings, Settings);
    if (saved.ok()) return;
    error = ErrorText(saved);
  } catch (const std::exception& e) {
    error = e.what();
  }
  ReportShutdownError(SystemText(error));
}

AppSettings TForm1::WindowSettings() const {
  AppSettings s = Settings;
  for (int tab = 0; tab < kCoinCount; ++tab) {
    const CoinWidgets& w = Coins[static_cast<size_t>(tab)];
    const auto coin = static_cast<size_t>(w.coin);
    s.addresses[coin] = QStringToAnsi(w.Panel->Address());
    s.tabs[coin] = PageControl1->isTabVisible(tab) ? "1" : "";
    s.locks[coin] = w.Panel->Locked() ? "1" : "";
  }
  s.language = LanguageCode;
  s.page = PageControl1->currentIndex();
  s.maximized = isMaximized();
  if (!s.maximized) {
    s.bounds = {x(), y(), width(), height()};
  }
  s.leftPanelWidth = Panel3->width();
  s.topPanelHeight = PageControl1->height();
  s.showHidden = ToolButton1->isChecked();
  s.singleLineView = Singlelineview1->isChecked();
  return s;
}

}  // namespace trelio
