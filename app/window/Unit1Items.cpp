// Editing the index by hand: "New Item", the add/save button, the update
// lock, the change handling of the detail edits, and the item menu's Remove,
// Hide / Show and favourites, each reported to the maker's server.
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidgetItem>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QToolButton>

#include "app/core/claim/ClaimClock.h"
#include "app/core/index/UrlKey.h"
#include "app/core/items/ItemCaptions.h"
#include "app/core/items/ItemEdits.h"
#include "app/core/items/NewItemUrl.h"
#include "app/core/text/Messages.h"
#include "app/platform/MakerServer.h"
#include "app/threads/ActThread.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit1.h"

namespace trelio {

ItemEdits TForm1::DetailEdits() const {
  return {QStringToAnsi(Edit7->text()), QStringToAnsi(Edit5->text()), QStringToAnsi(Edit6->text()),
          QStringToAnsi(Edit8->text())};
}

// The check's own changes to the edits are no typing: the update lock the
// user set stays.
void TForm1::ShowCheckedEdits(const ItemEdits& edits) {
  const bool locked = LockForUpdate;
  Edit7->setText(AnsiToQString(edits.url));
  Edit5->setText(AnsiToQString(edits.name));
  Edit6->setText(AnsiToQString(edits.interval));
  Edit8->setText(AnsiToQString(edits.input));
  LockForUpdate = locked;
  ShowUpdateLockGlyph();
}

namespace {

// None also while the window is being built.
FaucetItem* Current(const BrowsingController* browsing) {
  return browsing ? browsing->CurrentItem() : nullptr;
}

}  // namespace

void TForm1::SetAddSaveMode(AddSaveMode mode) {
  AddSaveButtonMode = mode;
  ToolButton15->setIcon(ImageList5.Image(mode == AddSaveMode::Save ? 5 : 4));
  ShowAddSaveHint();
}

void TForm1::ShowAddSaveHint() {
  ToolButton15->setToolTip(
      MessageQString(AddSaveButtonMode == AddSaveMode::Save ? msgSaveTheItem : msgAddNewItem));
}

void TForm1::SendItemAction(ItemAction action, const FaucetItem& row) {
  ActThread::Send(ItemActionUrl(MakerServerHost(), action, row));
}

void TForm1::NewItem1Click() {
  const QString caption = Utf16ToQString(
      NewItemCaption(QStringToUtf16(PageControl1->tabText(PageControl1->currentIndex()))));
  const std::optional<QString> answer =
      Prompts.input(this, caption, MessageQString(msgInputUrlBelow), QString());
  if (!answer || answer->isEmpty()) return;
  Edit7->setText(Utf16ToQString(NewItemUrl(QStringToUtf16(*answer))));
  Edit5->clear();
  Edit6->clear();
  Edit8->clear();
  SetAddSaveMode(AddSaveMode::Add);
  ToolButton6Click();
}

void TForm1::ToolButton15Click() {
  if (AddSaveInSaveMode()) {
    FaucetItem* current = Browsing->CurrentItem();
    if (!current) return;
    const CheckedItem checked = CheckSavedItem(*current, DetailEdits());
    ShowCheckedEdits(checked.edits);
    if (!checked.errors.empty()) {
      Prompts.error(this, Utf16ToQString(checked.errors));
      return;
    }
    StoreSavedItem(*current, checked);
    if (QListWidgetItem* entry = ListBox1->currentItem())
      entry->setText(AnsiToQString((*current)[fName]));
    ListBox1->viewport()->update();
    ToolButton15->setEnabled(false);
    return;
  }

  const CheckedItem checked =
      CheckNewItem(DetailEdits(), [this](const std::string& key) { return UrlRowMap.Exists(key); });
  ShowCheckedEdits(checked.edits);
  if (!checked.errors.empty()) {
    Prompts.error(this, Utf16ToQString(checked.errors));
    return;
  }
  const int r = AppendNewItem(StringGrid1, CurrentCoin, checked, LockForUpdate, NowSeconds());
  FaucetItem& row = StringGrid1.Row(r);
  ListBox1->AddItem(AnsiToQString(row[fName]), &row);
  {
    const QSignalBlocker quiet(ListBox1);
    ListBox1->SetItemIndex(ListBox1->count() - 1);
  }
  Browsing->SelectCurrentItem(true);
  UrlRowMap.SetItem(checked.key, r);
  RebuildList();
  ToolButton15->setEnabled(false);
  Browsing->SelectCurrentItem(true);
  SendItemAction(ItemAction::Add, row);
}

void TForm1::Remove1Click() {
  FaucetItem* row = Browsing->CurrentItem();
  if (!row) return;
  const QString question = MessageQString(msgConfirmRemoveItem) + QStringLiteral(" \"") +
                           AnsiToQString((*row)[fName]) + QStringLiteral("\"?");
  if (!Prompts.confirm(this, question)) return;
  ResetEditor();
  row->Edit(fHidden) = "-";
  const std::string key = StripReferral((*row)[fUrl]);
  if (!key.empty() && UrlRowMap.Exists(key)) UrlRowMap.Delete(key);
  Browsing->ForgetAllItems();
  RebuildList();
  SendItemAction(ItemAction::Remove, *row);
}

void TForm1::Hide1Click() {
  FaucetItem* row = Browsing->CurrentItem();
  if (!row) return;
  const bool show = (*row)[fHidden] == "1";
  row->Edit(fHidden) = show ? "" : "1";
  // The row stays listed, drawn as hidden, until the next rebuild.
  ListBox1->viewport()->update();
  Browsing->ShowItemWaitState();
  SendItemAction(show ? ItemAction::Show : ItemAction::Hide, *row);
}

void TForm1::Addtofavorites1Click() {
  FaucetItem* row = Browsing->CurrentItem();
  if (!row) return;
  const bool adding = (*row)[fFavorite].empty();
  row->Edit(fFavorite) = adding ? "1" : "";
  SendItemAction(adding ? ItemAction::FavoriteAdd : ItemAction::FavoriteDelete, *row);
  ListBox1->viewport()->update();
}

void TForm1::SpeedButton5Click() {
  LockForUpdate = !LockForUpdate;
  if (FaucetItem* row = Browsing->CurrentItem()) row->Edit(fLock) = LockForUpdate ? "1" : "";
  ShowUpdateLockGlyph();
}

void TForm1::ShowUpdateLockGlyph() {
  SpeedButton5->setIcon(ImageList2.Image(LockForUpdate ? 0 : 1));
}

// A typed URL is a new page: the buttons are ready and the lock starts off.
void TForm1::Edit7Change() {
  if (Edit7->text().isEmpty()) return;
  ToolButton15->setEnabled(true);
  ToolButton6->setEnabled(true);
  SpeedButton5->setEnabled(true);
  LockForUpdate = false;
  ShowUpdateLockGlyph();
}

void TForm1::Edit5Change() {
  if (Current(Browsing.get()) && !Edit5->text().isEmpty()) ToolButton15->setEnabled(true);
}

void TForm1::Edit6Change() {
  if (Current(Browsing.get()) && !Edit6->text().isEmpty()) ToolButton15->setEnabled(true);
}

void TForm1::Edit8Change() {
  if (Current(Browsing.get()) && !Edit8->text().isEmpty()) ToolButton15->setEnabled(true);
}

void TForm1::Edit6KeyDown(QLineEdit* sender, QKeyEvent* key) {
  if (key->key() == Qt::Key_A && key->modifiers() == Qt::ControlModifier) sender->selectAll();
}

}  // namespace trelio
