#include "app/widgets/Background.h"

#include <QColor>
#include <QPalette>
#include <QWidget>

namespace trelio {

void FillBackground(QWidget* widget, const QColor& colour) {
  widget->setAutoFillBackground(true);
  QPalette p = widget->palette();
  p.setColor(QPalette::Window, colour);
  widget->setPalette(p);
}

}  // namespace trelio
