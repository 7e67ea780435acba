// A widget that paints its own plain background in one colour.
#pragma once

#include <QColor>

class QWidget;

namespace trelio {

// With a text colour, the text on that background keeps it whatever the
// system palette is; without one the text follows the palette.
void FillBackground(QWidget* widget, const QColor& colour, const QColor& text = QColor());

}  // namespace trelio
