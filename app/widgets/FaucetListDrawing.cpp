#include "app/widgets/FaucetListDrawing.h"

#include <QApplication>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "app/widgets/Fonts.h"
#include "app/widgets/TextBridge.h"

namespace trelio {

namespace {

QColor Rgb(uint32_t rgb) { return QColor::fromRgb(rgb); }

void DrawTextAt(QPainter& painter, const QRect& clip, int x, int y, const QString& text) {
  painter.drawText(QRect(x, y, std::max(0, clip.right() + 1 - x), clip.bottom() + 1 - y),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
}

}  // namespace

void DrawFaucetRow(QPainter& painter, const QRect& rect, const FaucetItem& row, const QString& text,
                   int index, bool selected, const ListDrawState& state,
                   const ListDrawResources& resources) {
  RowState rowState;
  rowState.selected = selected;
  rowState.browsed = state.browsed == &row;
  rowState.preloaded = state.preloaded == &row;
  rowState.singleLine = state.singleLine;
  rowState.index = index;
  const RowStyle style = ChooseRowStyle(row, rowState);

  painter.save();
  painter.setClipRect(rect);
  painter.fillRect(rect, Rgb(style.background));

  const int top = rect.top();
  const int bottom = rect.top() + rect.height();  // one past the last line
  if (style.favorite && !resources.favorite.isNull())
    painter.drawPixmap(rect.left() + 2, (top + bottom - kFavoriteMarkSize) / 2, resources.favorite);
  const int x = rect.left() + style.textOffset + 2;

  QFont font = SansSerifFont(PointsToPixels(12));
  font.setBold(style.bold);
  font.setStrikeOut(style.strikeOut);
  font.setUnderline(style.underline);
  painter.setFont(font);
  painter.setPen(Rgb(style.textColor));

  // No copy of the word function for each row painted.
  static const MinutesWord kNoWord = [](int) { return std::u16string(); };
  const RowExtraText extra =
      ComposeRowExtraText(row, state.sortKind, state.singleLine,
                          resources.minutesWord ? resources.minutesWord : kNoWord);
  if (state.singleLine) {
    DrawTextAt(painter, rect, x, top, text + AnsiToQString(extra.nameSuffix));
  } else if (extra.hasSecondLine) {
    DrawTextAt(painter, rect, x, top, text);
    font.setPixelSize(PointsToPixels(8));
    painter.setFont(font);
    painter.setPen(Rgb(style.secondColor));
    DrawTextAt(painter, rect, x, top + kSecondLineTop, Utf16ToQString(extra.secondLine));
  } else {
    DrawTextAt(painter, rect, x, top + kLoneNameTop, text);
  }
  painter.restore();
}

FaucetListDelegate::FaucetListDelegate(DrawItem draw, QObject* parent)
    : QStyledItemDelegate(parent), draw_(std::move(draw)) {}

void FaucetListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option,
                               const QModelIndex& index) const {
  const bool selected = option.state & QStyle::State_Selected;
  painter->save();
  if (draw_) draw_(*painter, index.row(), option.rect, selected);
  painter->restore();
  if (option.state & QStyle::State_HasFocus) {
    QStyleOptionFocusRect focus;
    focus.QStyleOption::operator=(option);
    focus.backgroundColor = selected ? QColor(0, 0, 128) : QColor(Qt::white);
    const QWidget* widget = option.widget;
    QStyle* style = widget ? widget->style() : QApplication::style();
    style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, widget);
  }
}

QSize FaucetListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex&) const {
  return {option.rect.width() > 0 ? option.rect.width() : 1, itemHeight_};
}

}  // namespace trelio
