#include "app/widgets/FaucetListBox.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include "app/widgets/FaucetListDrawing.h"

namespace trelio {

FaucetListBox::FaucetListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setFrameShape(QFrame::NoFrame);
}

void FaucetListBox::SetDelegate(FaucetListDelegate* delegate) {
  delegate_ = delegate;
  setItemDelegate(delegate);
}

void FaucetListBox::SetItemHeight(int height) {
  if (!delegate_) return;
  delegate_->SetItemHeight(height);
  // The uniform size is cached; a new layout takes the new height.
  setUniformItemSizes(false);
  setUniformItemSizes(true);
  doItemsLayout();
  viewport()->update();
}

int FaucetListBox::ItemHeight() const { return delegate_ ? delegate_->ItemHeight() : 0; }

namespace {

constexpr int kRowItemType = QListWidgetItem::UserType + 1;

// An item that holds its row itself: as item data the row would cost a
// QVariant and an allocation per item of every fill.
class RowItem : public QListWidgetItem {
 public:
  RowItem(const QString& text, FaucetItem* row)
      : QListWidgetItem(text, nullptr, kRowItemType), row_(row) {}
  FaucetItem* Row() const { return row_; }

 private:
  FaucetItem* row_;
};

}  // namespace

void FaucetListBox::AddItem(const QString& text, FaucetItem* row) {
  // Made alone and then added: an item made with its list is looked for in
  // the whole list on insertion, which makes a fill quadratic.
  addItem(new RowItem(text, row));
}

FaucetItem* FaucetListBox::Row(int i) const {
  const QListWidgetItem* it = item(i);
  return it && it->type() == kRowItemType ? static_cast<const RowItem*>(it)->Row() : nullptr;
}

void FaucetListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  QListWidget::mousePressEvent(event);
}

void FaucetListBox::mouseReleaseEvent(QMouseEvent* event) {
  QListWidget::mouseReleaseEvent(event);
  emit MouseUp(event->button(), event->position().toPoint());
}

void FaucetListBox::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  QListWidget::mouseDoubleClickEvent(event);
  if (event->button() == Qt::LeftButton) emit DblClick();
}

void FaucetListBox::keyPressEvent(QKeyEvent* event) {
  const QString text = event->text();
  QListWidget::keyPressEvent(event);
  if (!text.isEmpty()) emit KeyPress(text.front());
}

// The item view would make its first row current on focus-in while none is,
// unseen: without a highlight, yet filling the detail area. Without a current
// row the focus only redraws the list.
void FaucetListBox::focusInEvent(QFocusEvent* event) {
  if (currentRow() >= 0) {
    QListWidget::focusInEvent(event);
    return;
  }
  QAbstractScrollArea::focusInEvent(event);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  viewport()->update();
}

}  // namespace trelio
