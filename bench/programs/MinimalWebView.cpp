// The baseline of the start-up benchmark: one QWebEngineView with its page,
// shown, and nothing else. The engine switches and the kind of profile are
// the program's own, so both start the same engine.
#include <QApplication>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineView>

#include "app/browser/WebEngineRuntime.h"
#include "app/program/FirstPaint.h"

int main(int argc, char** argv) {
  trelio::WebEngineRuntime::PrepareProcess();
  QApplication app(argc, argv);
  // A profile that keeps nothing on disk, as the program's.
  QWebEngineProfile profile;
  QWebEnginePage page(&profile);
  QWebEngineView view;
  view.setPage(&page);
  view.resize(1000, 700);
  trelio::ExitOnFirstPaintWhenAsked(view);
  view.show();
  return QApplication::exec();
}
