// The window's questions to the user: the Yes/No and error message boxes, the
// input box and the file dialogs. Each is a replaceable function, so that
// tests answer them without a modal window.
#pragma once

#include <QString>
#include <functional>
#include <optional>

class QFileDialog;
class QWidget;

namespace trelio {

struct WindowPrompts {
  // A question with Yes and No; true only for Yes.
  std::function<bool(QWidget* parent, const QString& question)> confirm;
  // An error message with OK.
  std::function<void(QWidget* parent, const QString& text)> error;
  // An input box with a caption, a prompt and a default; none when cancelled.
  std::function<std::optional<QString>(QWidget* parent, const QString& caption,
                                       const QString& prompt, const QString& value)>
      input;
  // Runs the dialog; the chosen file, or none when cancelled.
  std::function<std::optional<QString>(QFileDialog& dialog)> chooseFile;

  // Modal boxes captioned with the application title.
  static WindowPrompts Standard();
};

}  // namespace trelio
