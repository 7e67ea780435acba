#include "app/widgets/EditSplitter.h"

#include <QMouseEvent>

namespace trelio {

EditSplitter::EditSplitter(QWidget* target, QWidget* parent) : QWidget(parent), target_(target) {
  setFixedSize(3, 22);
  setCursor(Qt::SizeHorCursor);
}

void EditSplitter::mousePressEvent(QMouseEvent* event) {
  if (!target_) return;
  pressX_ = static_cast<int>(event->globalPosition().x());
  pressWidth_ = target_->width();
}

void EditSplitter::mouseMoveEvent(QMouseEvent* event) {
  if (!target_ || !(event->buttons() & Qt::LeftButton)) return;
  const int width = pressWidth_ + static_cast<int>(event->globalPosition().x()) - pressX_;
  target_->setFixedWidth(std::max(10, width));
}

}  // namespace trelio
