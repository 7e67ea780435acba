// The baseline of the start-up benchmark: one QWebEngineView with its page,
// shown, and nothing else; the engine switches are the program's own, so
// both start the same engine.
#include <QApplication>
#include <QWebEngineView>

#include "app/browser/WebEngineRuntime.h"
#include "app/program/FirstPaint.h"

int main(int argc, char** argv) {
  trelio::WebEngineRuntime::PrepareProcess();
  QApplication app(argc, argv);
  QWebEngineView view;
  view.page();  // the engine starts with the page, as the program's views do
  view.resize(1000, 700);
  trelio::ExitOnFirstPaintWhenAsked(view);
  view.show();
  return QApplication::exec();
}
