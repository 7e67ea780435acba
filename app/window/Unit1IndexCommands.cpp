// The index commands: the update from the server and from a file, the two
// exports, clearing, and the first showing of the window.
#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QProgressBar>
#include <QSignalBlocker>
#include <QToolButton>
#include <algorithm>
#include <climits>

#include "app/core/index/FileBytes.h"
#include "app/core/index/IndexCommands.h"
#include "app/core/index/IndexExport.h"
#include "app/core/list/FaucetList.h"
#include "app/core/text/Messages.h"
#include "app/platform/FileSystem.h"
#include "app/threads/WorkerThread.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit1.h"
#include "app/window/Unit3.h"

namespace trelio {

namespace {

QString Question(MessageId id) { return MessageQString(id) + QLatin1Char('?'); }
QString Sentence(MessageId id) { return MessageQString(id) + QLatin1Char('.'); }

// A progress bar counts in int.
int BarCount(int64_t count) { return int(std::clamp<int64_t>(count, 0, INT_MAX)); }

UpdatingOptions UpdatingOptionsOf(const AppSettings& s) {
  return {s.updatingWithShowingHiddenItems, s.hidingBeforeUpdating, s.clearingBeforeUpdating};
}

// The user's template lists for a merge, written back to the settings when
// it ends, also half-way, since the merged rows may already depend on them.
class UserTemplateLists {
 public:
  explicit UserTemplateLists(AppSettings& s)
      : s_(s),
        lists{s.rightPayoutTemplate, s.leftPayoutTemplate, s.ignoreFieldNames, s.noPayTemplate} {}
  ~UserTemplateLists() {
    s_.rightPayoutTemplate = lists.rightPart;
    s_.leftPayoutTemplate = lists.leftPart;
    s_.ignoreFieldNames = lists.ignoreFieldNames;
    s_.noPayTemplate = lists.noPay;
  }
  UserTemplateLists(const UserTemplateLists&) = delete;
  UserTemplateLists& operator=(const UserTemplateLists&) = delete;

 private:
  AppSettings& s_;

 public:
  TemplateLists lists;
};

}  // namespace

// An update of 100,000 rows takes a good part of a second: between its steps
// the window thread goes back to its event loop, so that the window repaints
// what the closed dialog or another window uncovers. Nothing else may meet
// the rows meanwhile: the list lets go of them and keeps its last frame, user
// input, timers and socket notifiers (the session's end, a later start) wait,
// and so do the worker threads' calls (the minute tick among them). What
// still runs (posted calls, the browser engine's events) finds a whole index
// and no row referenced; a close waits for the end.
class TForm1::IndexUpdatePauses {
 public:
  explicit IndexUpdatePauses(TForm1& form) : form_(form) { form_.indexUpdate_ = this; }
  ~IndexUpdatePauses() {
    form_.indexUpdate_ = nullptr;
    if (listLetGo_) form_.ListBox1->setUpdatesEnabled(true);
    if (!form_.closeAfterIndexUpdate_) return;
    form_.closeAfterIndexUpdate_ = false;
    QMetaObject::invokeMethod(&form_, &TForm1::close, Qt::QueuedConnection);
  }
  IndexUpdatePauses(const IndexUpdatePauses&) = delete;
  IndexUpdatePauses& operator=(const IndexUpdatePauses&) = delete;

  // The first pause comes before the rows change, the last before the list
  // is refilled.
  void Pause() {
    if (!listLetGo_) {
      listLetGo_ = true;
      form_.ListBox1->setUpdatesEnabled(false);
      const QSignalBlocker quiet(form_.ListBox1);
      form_.ListBox1->clear();
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents |
                                    QEventLoop::ExcludeSocketNotifiers |
                                    QEventLoop::X11ExcludeTimers);
  }

 private:
  TForm1& form_;
  SyncGate::Hold calls_;
  bool listLetGo_ = false;
};

void TForm1::ForgetItemsForIndexChange() {
  ResetEditor();
  Browsing->ForgetAllItems();
}

void TForm1::RunIndexCommand(const std::function<bool()>& command,
                             const std::function<void()>& beforeFill) {
  bool changed = false;
  try {
    changed = command();
  } catch (...) {
    RebuildList();
    throw;
  }
  if (!changed) return;
  // The command wrote index.csv from memory, so the exit save may replace it.
  IndexLoaded = true;
  RebuildList(QString(), beforeFill);
}

bool TForm1::ChooseSaveFile(FileDialogComponent* dialog, QString& fileName, const char* firstName) {
  if (fileName.isEmpty()) fileName = QString::fromUtf8(firstName);
  dialog->Dialog().selectFile(fileName);
  const std::optional<QString> chosen = Prompts.chooseFile(dialog->Dialog());
  if (!chosen) return false;
  fileName = *chosen;
  return true;
}

void TForm1::Updateindex1Click() {
  if (!IndexHasDataFolder(Index)) {
    Prompts.error(this, Sentence(msgNoDataFolderForIndex));
    return;
  }
  if (StringGrid1.RowCount() > 1 && !Prompts.confirm(this, Question(msgConfirmUpdateIndex))) return;
  ForgetItemsForIndexChange();
  ApplySortOptions();
  StatusBar2->SetPanelText(
      0, Utf16ToQString(ListCountText(ListBox1->count(), QStringToUtf16(SortDescription))));
  // The download: the dialog closes when it is done, failed or cancelled, and
  // leaves index.tmp2 only after a success. A file an earlier update could
  // not merge goes first; only what this download stored is merged, and
  // after a failure the list is not rebuilt, so the error stays in front.
  DropUnmergedDownload(Index);
  if (!OKBottomDlg) return;
  OKBottomDlg->exec();
  if (!OKBottomDlg || !OKBottomDlg->DownloadStored()) return;
  IndexUpdatePauses pauses(*this);
  const auto pause = [&] { pauses.Pause(); };
  RunIndexCommand(
      [&] {
        UserTemplateLists user(Settings);
        return UpdateIndexFromDownload(Index, Index.files.tmp2, UpdatingOptionsOf(Settings),
                                       ServerTemplates, user.lists, pause) == IndexUpdate::merged;
      },
      pause);
}

void TForm1::IdHTTP1WorkBegin(int64_t expected) {
  if (!OKBottomDlg) return;
  OKBottomDlg->ProgressBar1->setMaximum(BarCount(expected));
  OKBottomDlg->ProgressBar1->setValue(0);
}

void TForm1::IdHTTP1Work(int64_t countSoFar) {
  if (OKBottomDlg) OKBottomDlg->ProgressBar1->setValue(BarCount(countSoFar));
}

void TForm1::Load2Click() {
  if (!IndexHasDataFolder(Index)) {
    Prompts.error(this, Sentence(msgNoDataFolderForIndex));
    return;
  }
  const std::optional<QString> chosen = Prompts.chooseFile(OpenDialog1->Dialog());
  if (!chosen) return;
  if (StringGrid1.RowCount() > 1 && !Prompts.confirm(this, Question(msgConfirmUpdateIndex))) return;
  ForgetItemsForIndexChange();
  IndexUpdate update = IndexUpdate::missing;
  {
    IndexUpdatePauses pauses(*this);
    const auto pause = [&] { pauses.Pause(); };
    RunIndexCommand(
        [&] {
          UserTemplateLists user(Settings);
          update = UpdateIndexFromFile(Index, PathBytes(*chosen), UpdatingOptionsOf(Settings),
                                       ServerTemplates, user.lists, pause);
          return update == IndexUpdate::merged;
        },
        pause);
  }
  if (update == IndexUpdate::refused) Prompts.error(this, Sentence(msgFileNotAnIndex));
}

void TForm1::Save1Click() {
  if (!ChooseSaveFile(SaveDialog1, SaveDialog1FileName, kIndexExportFileName)) return;
  ExportIndexFields(StringGrid1, PathBytes(SaveDialog1FileName), ToolButton1->isChecked());
}

void TForm1::SaveFullIndextofile1Click() {
  if (!ChooseSaveFile(SaveDialog2, SaveDialog2FileName, kFullIndexExportFileName)) return;
  SaveIndex(Index, PathBytes(SaveDialog2FileName), false);
}

void TForm1::ClearIndex1Click() {
  if (!IndexHasDataFolder(Index)) {
    Prompts.error(this, Sentence(msgNoDataFolderToClearIndex));
    return;
  }
  if (!Prompts.confirm(this, Question(msgConfirmClearIndex))) return;
  ForgetItemsForIndexChange();
  RunIndexCommand([&] { return ClearIndex(Index); });
}

void TForm1::FormShow() {
  if (!FirstShow) return;
  FirstShow = false;
  // Runs only without index.csv; the fallback load that may follow it
  // replaces the rows as well.
  const auto updateIndex = [this] {
    Updateindex1Click();
    Browsing->ForgetAllItems();
  };
  RunIndexCommand([&] { return FirstShowIndex(Index, updateIndex, kIndexExportFileName); });
}

}  // namespace trelio
