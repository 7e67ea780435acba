// The index commands that need no download: the update from a file, the two
// exports, clearing, and the first showing of the window.
#include <QFile>
#include <QFileDialog>
#include <QToolButton>

#include "app/core/index/IndexCommands.h"
#include "app/core/index/IndexExport.h"
#include "app/core/text/Messages.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

QString Question(MessageId id) { return MessageQString(id) + QLatin1Char('?'); }

std::string FilePath(const QString& path) { return QFile::encodeName(path).toStdString(); }

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

void TForm1::ForgetItemsForIndexChange() {
  ResetEditor();
  Browsing->ForgetAllItems();
}

void TForm1::RunIndexCommand(const std::function<bool()>& command) {
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
  RebuildList();
}

bool TForm1::ChooseSaveFile(QFileDialog* dialog, QString& fileName, const char* firstName) {
  if (fileName.isEmpty()) fileName = QString::fromUtf8(firstName);
  dialog->selectFile(fileName);
  const std::optional<QString> chosen = Prompts.chooseFile(*dialog);
  if (!chosen) return false;
  fileName = *chosen;
  return true;
}

void TForm1::Load2Click() {
  const std::optional<QString> chosen = Prompts.chooseFile(*OpenDialog1);
  if (!chosen) return;
  if (StringGrid1.RowCount() > 1 && !Prompts.confirm(this, Question(msgConfirmUpdateIndex))) return;
  ForgetItemsForIndexChange();
  RunIndexCommand([&] {
    UserTemplateLists user(Settings);
    return UpdateIndexFromFile(Index, FilePath(*chosen), UpdatingOptionsOf(Settings),
                               ServerTemplates, user.lists);
  });
}

void TForm1::Save1Click() {
  if (!ChooseSaveFile(SaveDialog1, SaveDialog1FileName, kIndexExportFileName)) return;
  ExportIndexFields(StringGrid1, FilePath(SaveDialog1FileName), ToolButton1->isChecked());
}

void TForm1::SaveFullIndextofile1Click() {
  if (!ChooseSaveFile(SaveDialog2, SaveDialog2FileName, kFullIndexExportFileName)) return;
  SaveIndex(Index, FilePath(SaveDialog2FileName), false);
}

void TForm1::ClearIndex1Click() {
  if (!Prompts.confirm(this, Question(msgConfirmClearIndex))) return;
  ForgetItemsForIndexChange();
  RunIndexCommand([&] {
    ClearIndex(Index);
    return true;
  });
}

void TForm1::FormShow() {
  if (!FirstShow) return;
  FirstShow = false;
  // Nothing is browsed yet; the fallback load below replaces the rows.
  Browsing->ForgetAllItems();
  // The download of "Update Index" comes with its dialog; until then a first
  // start without index.csv goes straight to the fallback file.
  const auto updateIndex = [] {};
  RunIndexCommand([&] { return FirstShowIndex(Index, updateIndex, kIndexExportFileName); });
}

}  // namespace trelio
