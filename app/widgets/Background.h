// A widget that paints its own plain background in one colour.
#pragma once

class QColor;
class QWidget;

namespace trelio {

void FillBackground(QWidget* widget, const QColor& colour);

}  // namespace trelio
