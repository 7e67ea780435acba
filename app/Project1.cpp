// Program entry: the browser engine, the application, the windows in their
// order, the message loop, and the engine released before the windows go.
#include <QStyleFactory>

#include "app/browser/WebEngineRuntime.h"
#include "app/platform/FileSystem.h"
#include "app/platform/HeapReuse.h"
#include "app/program/Application.h"
#include "app/program/FirstPaint.h"
#include "app/program/SessionEndSignals.h"
#include "app/widgets/Fonts.h"
#include "app/widgets/Pictures.h"
#include "app/window/Unit1.h"
#include "app/window/Unit2.h"
#include "app/window/Unit3.h"
#include "app/window/Unit4.h"
#include "localisation/LcUnit.h"

int main(int argc, char** argv) {
  using namespace trelio;
  // A save past the file size limit then fails with its error, as on a full
  // disk, and the program goes on with its work.
  IgnoreFileSizeSignal();
  KeepFreedHeapForReuse();
  WebEngineRuntime::PrepareProcess();
  Application app(argc, argv);
  Application::setApplicationName(QStringLiteral("Korvane Trelio"));
  Application::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  InstallFontSubstitutes();
  Application::setFont(SansSerifFont(12));
  InitPictures();
  Application::setWindowIcon(Picture(QStringLiteral("korvane-trelio")));

  WebEngineRuntime runtime;
  if (!runtime.StartMainProcess()) return 0;

  int result = 0;
  {
    // The windows in their order; they go in the reverse one.
    TForm1 form1(runtime);
    if (form1.DataFolderTaken) {
      // The error box is this program's only window; a session end closes it.
      SessionEndSignals sessionEnd([] {
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
      });
      form1.TellDataFolderTaken();
      runtime.Shutdown();
      LcReleaseLanguage();
      return 0;
    }
    TAboutBox aboutBox(form1);
    TOKBottomDlg okBottomDlg(form1);
    TOKBottomDlg1 okBottomDlg1(form1);

    SessionEndSignals sessionEnd([&form1] { form1.close(); });
    QObject::connect(&form1, &TForm1::Closed, &app, &QCoreApplication::quit);
    ExitOnFirstPaintWhenAsked(form1);
    // The browser engine starts once the window is on the screen: its start
    // takes longer than building the window, and no page shows before the
    // user picks a faucet.
    AfterFirstPaint(form1, [&runtime] {
      runtime.StartEngine();
      ExitOnEngineStartWhenAsked();
    });
    form1.show();
    try {
      result = Application::exec();
    } catch (...) {
      // An error that escapes the loop ends it without a message; shutdown
      // goes on as after a normal close.
    }
    runtime.Shutdown();
  }
  // The active language's module is closed at program end.
  LcReleaseLanguage();
  return result;
}
