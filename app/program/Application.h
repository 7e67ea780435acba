// The program's application object: an error raised while an event is
// handled is shown in the standard error box and the program goes on.
#pragma once

#include <QApplication>
#include <exception>
#include <functional>

namespace trelio {

class Application : public QApplication {
  Q_OBJECT

 public:
  Application(int& argc, char** argv);

  bool notify(QObject* receiver, QEvent* event) override;

  // The text the error box shows for an error text: a final "." is added
  // unless the text already ends in "." or in a character before it.
  static QString ErrorBoxText(const QString& error);

  // Shows the error box: the text, the application title as caption, OK.
  // Replaceable, so tests need not answer a modal box.
  using ErrorBox = std::function<void(const QString& text)>;
  void SetErrorBox(ErrorBox box) { errorBox_ = std::move(box); }

  // The error box for an error caught outside an event handler (during the
  // main window's creation, say), as if it had escaped one.
  void ShowException(const QString& error);

 private:
  ErrorBox errorBox_;
};

// Application::ShowException of the running application; a plain message box
// when it is not an Application.
void ShowErrorBox(const QString& error);

// The words of a caught exception: a file error's are UTF-8, as the paths it
// names, any other's the system's ANSI.
QString ExceptionText(const std::exception& e);

// The application title, the caption of the standard error and question
// boxes. Kept here rather than as Qt's display name, which Qt would append to
// the title of every window.
QString ApplicationTitle();
void SetApplicationTitle(const QString& title);

}  // namespace trelio
