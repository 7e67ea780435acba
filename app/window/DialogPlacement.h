// What the program's dialogs share of their frame: a fixed client size and a
// place in the middle of the screen.
#pragma once

#include <QSize>

class QWidget;

namespace trelio {

// The fixed dialog frame: the client area gets this size, the frame cannot
// resize it and has a title and a close box only.
void SetFixedClientSize(QWidget& dialog, QSize size);

// Centres the window on the screen its parent is on (the primary screen
// without a parent).
void CenterOnScreen(QWidget& dialog);

}  // namespace trelio
