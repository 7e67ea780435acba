#include "app/widgets/DialogFrame.h"

#include "app/widgets/HintLines.h"

namespace trelio {

QMessageBox::StandardButton ShowMessageBox(QWidget* parent, QMessageBox::Icon icon,
                                           const QString& title, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, title, ShownLineBreaks(text), buttons, parent, kFixedDialogFrame);
  box.setDefaultButton(defaultButton);
  const int answer = box.exec();
  return answer == -1 ? QMessageBox::Cancel : static_cast<QMessageBox::StandardButton>(answer);
}

}  // namespace trelio
