#include "app/window/WindowPrompts.h"

#include <QFileDialog>
#include <QInputDialog>

#include "app/program/Application.h"
#include "app/widgets/DialogFrame.h"

namespace trelio {

WindowPrompts WindowPrompts::Standard() {
  WindowPrompts prompts;
  prompts.confirm = [](QWidget* parent, const QString& question) {
    return ShowMessageBox(parent, QMessageBox::Question, ApplicationTitle(), question,
                          QMessageBox::Yes | QMessageBox::No, QMessageBox::No) == QMessageBox::Yes;
  };
  prompts.error = [](QWidget* parent, const QString& text) {
    ShowMessageBox(parent, QMessageBox::Critical, ApplicationTitle(), text, QMessageBox::Ok,
                   QMessageBox::Ok);
  };
  prompts.input = [](QWidget* parent, const QString& caption, const QString& prompt,
                     const QString& value) -> std::optional<QString> {
    bool ok = false;
    const QString answer =
        QInputDialog::getText(parent, caption, prompt, QLineEdit::Normal, value, &ok);
    if (!ok) return std::nullopt;
    return answer;
  };
  prompts.chooseFile = [](QFileDialog& dialog) -> std::optional<QString> {
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
    return dialog.selectedFiles().front();
  };
  return prompts;
}

}  // namespace trelio
