#include "app/widgets/DetailPanel.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QQuickWidget>
#include <algorithm>

#include "app/widgets/Fonts.h"

namespace trelio {

DetailPanel::DetailPanel(QWidget* parent) : QWidget(parent) {
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, Qt::black);
  p.setColor(QPalette::WindowText, Qt::white);
  setPalette(p);
  setCursor(Qt::PointingHandCursor);
  // The browser views draw through a texture surface; a window that gets its
  // first one while on the screen is made anew by Qt (a new native window,
  // unmapped and mapped again). One hidden from the start gives the window
  // that surface before it is first shown.
  auto* surface = new QQuickWidget(this);
  surface->setObjectName(QStringLiteral("browser-surface"));
  surface->hide();
}

void DetailPanel::SetBars(QWidget* top, QWidget* bottom) {
  top_ = top;
  bottom_ = bottom;
  for (QWidget* bar : {top, bottom}) {
    bar->setParent(this);
    bar->installEventFilter(this);
    bar->setCursor(Qt::ArrowCursor);
  }
  PlaceViews();
}

void DetailPanel::AddView(QWidget* view) {
  view->setParent(this);
  views_.append(view);
  PlaceViews();
}

static int BarHeight(const QWidget* bar) {
  if (!bar) return 0;
  return bar->minimumHeight() > 0 ? bar->minimumHeight() : bar->sizeHint().height();
}

QRect DetailPanel::ViewArea() const {
  const int top = BarHeight(top_);
  const int bottom = BarHeight(bottom_);
  return QRect(0, top, width(), std::max(0, height() - top - bottom));
}

// The caption shows only between the bars and only while no view covers
// them; hiding a view repaints what it covered. Repainting the whole panel
// would repaint both bars and every control on them.
void DetailPanel::SetCaption(const QString& caption) {
  if (caption == caption_) return;
  caption_ = caption;
  if (!ViewShown()) update(ViewArea());
}

bool DetailPanel::ViewShown() const {
  return std::any_of(views_.begin(), views_.end(),
                     [](const QWidget* view) { return view && !view->isHidden(); });
}

void DetailPanel::PlaceViews() {
  const QRect area = ViewArea();
  if (top_) top_->setGeometry(0, 0, width(), area.top());
  if (bottom_) bottom_->setGeometry(0, area.bottom() + 1, width(), height() - area.bottom() - 1);
  for (QWidget* view : views_)
    if (view) view->setGeometry(area);
}

void DetailPanel::paintEvent(QPaintEvent*) {
  if (ViewShown()) return;
  QPainter painter(this);
  // Only the caption is this large; the bars keep the window's font.
  painter.setFont(SansSerifFont(24));
  painter.setPen(palette().color(QPalette::WindowText));
  painter.drawText(ViewArea(), Qt::AlignCenter | Qt::TextWordWrap, caption_);
}

void DetailPanel::resizeEvent(QResizeEvent*) { PlaceViews(); }

void DetailPanel::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
    emit Clicked();
}

bool DetailPanel::eventFilter(QObject* watched, QEvent* event) {
  if ((watched == top_ || watched == bottom_) && event->type() == QEvent::LayoutRequest)
    PlaceViews();
  return QWidget::eventFilter(watched, event);
}

}  // namespace trelio
