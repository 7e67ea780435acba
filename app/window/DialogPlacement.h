// What the program's dialogs share of their frame: a fixed client size and a
// place in the middle of the screen.
#pragma once

#include <QSize>

class QWidget;

namespace trelio {

// The client area gets this size and the frame cannot resize it.
void SetFixedClientSize(QWidget& dialog, QSize size);

// Centres the window on the screen its parent is on (the primary screen
// without a parent).
void CenterOnScreen(QWidget& dialog);

}  // namespace trelio
