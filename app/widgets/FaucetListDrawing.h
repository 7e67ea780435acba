// Drawing of one row of the faucet list, and the delegate that lets the list
// view draw its rows that way.
#pragma once

#include <QPixmap>
#include <QRect>
#include <QString>
#include <QStyledItemDelegate>
#include <functional>

#include "app/core/index/FaucetItem.h"
#include "app/core/list/ListRowStyle.h"

class QPainter;

namespace trelio {

// The window state the drawing reads, taken afresh for every row.
struct ListDrawState {
  bool singleLine = false;
  int sortKind = 0;
  const FaucetItem* browsed = nullptr;
  const FaucetItem* preloaded = nullptr;
};

// What stays the same from row to row.
struct ListDrawResources {
  QPixmap favorite;  // 15 x 15
  MinutesWord minutesWord;
};

// Draws the row with its item text into rect; index counts from 0.
void DrawFaucetRow(QPainter& painter, const QRect& rect, const FaucetItem& row, const QString& text,
                   int index, bool selected, const ListDrawState& state,
                   const ListDrawResources& resources);

// Lets the list view draw its rows through the window's draw handler; the
// focus rectangle comes after, over the focused row.
class FaucetListDelegate : public QStyledItemDelegate {
  Q_OBJECT

 public:
  // (painter, item index, item rectangle, selected)
  using DrawItem = std::function<void(QPainter&, int, const QRect&, bool)>;
  explicit FaucetListDelegate(DrawItem draw, QObject* parent = nullptr);

  void SetItemHeight(int height) { itemHeight_ = height; }
  int ItemHeight() const { return itemHeight_; }

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override;
  QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

 private:
  DrawItem draw_;
  int itemHeight_ = kSingleLineItemHeight;
};

}  // namespace trelio
