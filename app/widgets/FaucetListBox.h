// The faucet list: items of a text and their index row, drawn by
// FaucetListDelegate, all of one height.
#pragma once

#include <QListWidget>

#include "app/core/index/FaucetItem.h"

namespace trelio {

class FaucetListDelegate;

class FaucetListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit FaucetListBox(QWidget* parent = nullptr);

  void SetDelegate(FaucetListDelegate* delegate);
  // Every item takes the new height at once.
  void SetItemHeight(int height);
  int ItemHeight() const;

  void AddItem(const QString& text, FaucetItem* row);
  // The row of item i, or null.
  FaucetItem* Row(int i) const;
  // The selected position, -1 for none.
  int ItemIndex() const { return currentRow(); }
  void SetItemIndex(int i) { setCurrentRow(i); }

 signals:
  void MouseUp(Qt::MouseButton button, const QPoint& position);
  void DblClick();
  void KeyPress(QChar key);

 protected:
  // Only the left button selects; the right one opens the item menu of the
  // selected row.
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  // Taking the focus selects nothing: a row becomes current only when the
  // user picks it or the list makes its remembered row current again.
  void focusInEvent(QFocusEvent* event) override;

 private:
  FaucetListDelegate* delegate_ = nullptr;
};

}  // namespace trelio
