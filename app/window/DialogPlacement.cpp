#include "app/window/DialogPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include "app/widgets/DialogFrame.h"

namespace trelio {

void SetFixedClientSize(QWidget& dialog, QSize size) {
  dialog.setWindowFlags(kFixedDialogFrame);
  dialog.setFixedSize(size);
}

void CenterOnScreen(QWidget& dialog) {
  const QWidget* parent = dialog.parentWidget();
  QScreen* screen = parent ? parent->screen() : nullptr;
  if (!screen) screen = QGuiApplication::primaryScreen();
  if (!screen) return;
  // The frame's size is not known before the first showing; the client
  // area is what is centred.
  const QRect area = screen->availableGeometry();
  dialog.move(area.x() + (area.width() - dialog.width()) / 2,
              area.y() + (area.height() - dialog.height()) / 2);
}

}  // namespace trelio
