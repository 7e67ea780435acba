#include "app/widgets/Background.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace trelio {

void FillBackground(QWidget* widget, const QColor& colour, const QColor& text) {
  widget->setAutoFillBackground(true);
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, colour);
  if (text.isValid()) p.setColor(QPalette::WindowText, text);
  widget->setPalette(p);
}

}  // namespace trelio
