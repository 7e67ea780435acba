#include "app/program/Application.h"

#include <exception>

#include "app/core/index/InOutError.h"
#include "app/core/text/Messages.h"
#include "app/widgets/DialogFrame.h"
#include "app/widgets/TextBridge.h"

namespace trelio {
namespace {

QString& Title() {
  static QString title = QStringLiteral("Korvane Trelio");
  return title;
}

void ShowErrorText(const QString& text) {
  ShowMessageBox(QApplication::activeWindow(), QMessageBox::Critical, ApplicationTitle(), text,
                 QMessageBox::Ok, QMessageBox::Ok);
}

}  // namespace

QString ApplicationTitle() { return Title(); }

void SetApplicationTitle(const QString& title) { Title() = title; }

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const std::exception& e) {
    ShowException(ExceptionText(e));
  } catch (...) {
    ShowException(MessageQString(msgUnknownError));
  }
  return false;
}

QString Application::ErrorBoxText(const QString& error) {
  if (!error.isEmpty() && error.back() > QLatin1Char('.')) return error + QLatin1Char('.');
  return error;
}

void Application::ShowException(const QString& error) {
  const QString text = ErrorBoxText(error);
  if (errorBox_) {
    errorBox_(text);
    return;
  }
  ShowErrorText(text);
}

QString ExceptionText(const std::exception& e) {
  if (dynamic_cast<const EInOutError*>(&e)) return QString::fromUtf8(e.what());
  return AnsiToQString(e.what());
}

void ShowErrorBox(const QString& error) {
  if (auto* app = qobject_cast<Application*>(QCoreApplication::instance())) {
    app->ShowException(error);
    return;
  }
  ShowErrorText(Application::ErrorBoxText(error));
}

}  // namespace trelio
