// The faucet list: its items, its mouse and keys, its item menu.
#include <QCursor>
#include <QMenu>
#include <QPainter>
#include <QToolButton>

#include "app/core/items/ItemCaptions.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/FaucetListDrawing.h"
#include "app/widgets/TextBridge.h"
#include "app/window/MenuItems.h"
#include "app/window/Unit1.h"

namespace trelio {

void TForm1::ListBox1DrawItem(QPainter& painter, int index, const QRect& rect, bool selected) {
  FaucetItem* row = ListBox1->Row(index);
  if (!row) {
    painter.fillRect(rect, Qt::white);
    return;
  }
  ListDrawState state;
  state.singleLine = Singlelineview1->isChecked();
  state.sortKind = Settings.sortBy;
  state.browsed = Browsing->BrowsedItem();
  state.preloaded = Browsing->PreloadedItem();
  DrawFaucetRow(painter, rect, *row, ListBox1->item(index)->text(), index, selected, state,
                listResources_);
}

void TForm1::ListBox1Click() { SelectCurrentItem(true); }

void TForm1::ListBox1KeyPress(QChar key) {
  if (key == QChar(13)) ListBox1DblClick();
}

void TForm1::ListBox1MouseUp(Qt::MouseButton button) {
  if (button == Qt::LeftButton) {
    SelectCurrentItem(true);
    return;
  }
  if (button != Qt::RightButton || ListBox1->ItemIndex() < 0 || !Browsing->CurrentItem()) return;
  const ItemMenuCaptions captions = ChooseItemMenuCaptions(*Browsing->CurrentItem());
  Nocompleted1->setText(Utf16ToQString(captions.complete));
  Addtofavorites1->setText(Utf16ToQString(captions.favorite));
  Load1->setText(LiteralCaption(Utf16ToQString(captions.browse)));
  Hide1->setText(Utf16ToQString(captions.hide));
  Nocompleted1->setVisible(captions.completeShown);
  PopupMenu1->popup(QCursor::pos());
}

void TForm1::Load1Click() { ListBox1DblClick(); }

void TForm1::ToolButton1Click() {
  Showhiddenitems1->setChecked(ToolButton1->isChecked());
  RebuildList();
}

void TForm1::ToolBar1DblClick() { RebuildList(); }

void TForm1::ToolBar1MouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) PopupMenu2->popup(QCursor::pos());
}

void TForm1::StatusBar2MouseUp(Qt::MouseButton button) {
  if (button == Qt::RightButton) PopupMenu2->popup(QCursor::pos());
}

}  // namespace trelio
