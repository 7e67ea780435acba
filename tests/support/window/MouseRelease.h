// The release of a mouse button over a widget, sent straight to it: what the
// labels, edits and bars that act on a release see of a click.
#pragma once

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWidget>

namespace trelio::test {

inline void Release(QWidget* w, Qt::MouseButton button = Qt::LeftButton, QPoint at = {3, 3}) {
  QMouseEvent e(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), button, Qt::NoButton,
                Qt::NoModifier);
  QCoreApplication::sendEvent(w, &e);
}

}  // namespace trelio::test
