// Editing the current item in the detail edits: the change handling of the
// edits, the update lock and the add/save button.
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include "app/Unit1.h"

namespace trelio {

void TForm1::Edit5Change() {}
void TForm1::Edit6Change() {}
void TForm1::Edit7Change() {}
void TForm1::Edit8Change() {}

void TForm1::Edit6KeyDown(QLineEdit* sender, QKeyEvent* key) {
  if (key->key() == Qt::Key_A && key->modifiers() == Qt::ControlModifier) sender->selectAll();
}

void TForm1::SpeedButton5Click() {}

void TForm1::ToolButton15Click() {}

void TForm1::ShowUpdateLockGlyph() {
  SpeedButton5->setIcon(ImageList2.Image(LockForUpdate ? 0 : 1));
}

}  // namespace trelio
