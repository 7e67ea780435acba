#include "app/program/FirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace trelio {
namespace {

// Watches every widget, since a window wholly covered by its children gets
// no paint event of its own. One watch per window runs its calls in the
// order they were asked for.
class FirstPaintWatch : public QObject {
 public:
  explicit FirstPaintWatch(QWidget& window) : QObject(&window), window_(window) {
    setObjectName(kName);
    QCoreApplication::instance()->installEventFilter(this);
  }

  static FirstPaintWatch& Of(QWidget& window) {
    // Not a component name: the translation passes it by.
    auto* watch = window.findChild<QObject*>(kName, Qt::FindDirectChildrenOnly);
    return watch ? *static_cast<FirstPaintWatch*>(watch) : *new FirstPaintWatch(window);
  }

  void Add(std::function<void()> then) { calls_.push_back(std::move(then)); }

  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint && !painted_ && watched->isWidgetType() &&
        static_cast<QWidget*>(watched)->window() == &window_) {
      painted_ = true;
      QCoreApplication::instance()->removeEventFilter(this);
      // After the whole frame, the children's paint events included.
      QTimer::singleShot(0, this, [this] {
        for (auto& call : calls_) call();
        deleteLater();
      });
    }
    return QObject::eventFilter(watched, event);
  }

 private:
  static constexpr QLatin1StringView kName{"first-paint-watch"};

  QWidget& window_;
  bool painted_ = false;
  std::vector<std::function<void()>> calls_;
};

[[noreturn]] void ExitSaying(const char* what) {
  std::fputs(what, stdout);
  std::fputc('\n', stdout);
  std::fflush(stdout);
  std::_Exit(0);
}

}  // namespace

void AfterFirstPaint(QWidget& window, std::function<void()> then) {
  FirstPaintWatch::Of(window).Add(std::move(then));
}

void ExitOnFirstPaintWhenAsked(QWidget& window) {
  if (qEnvironmentVariableIsEmpty(kExitOnFirstPaintVariable)) return;
  AfterFirstPaint(window, [] { ExitSaying("first paint"); });
}

void ExitOnEngineStartWhenAsked() {
  if (!qEnvironmentVariableIsEmpty(kExitOnEngineStartVariable)) ExitSaying("engine started");
}

}  // namespace trelio
