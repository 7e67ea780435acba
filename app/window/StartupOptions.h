// What the main window's start-up takes from its surroundings. Left at their
// defaults they are the machine's own; tests put their own values here.
#pragma once

#include <QString>
#include <optional>

#include "app/core/claim/ClaimClock.h"
#include "app/core/settings/AppSettings.h"
#include "app/threads/MyThread.h"

namespace trelio {

struct StartupOptions {
  // Where the "portable" marker and a first-run settings.ini lie; empty: the
  // folder of the executable.
  QString programFolder;
  // The program file; the language module lies beside it. Empty: the running
  // executable.
  QString programFile;
  // Where a first-run "index.csv" is looked for; empty: the current folder.
  QString workingFolder;
  // The window bounds are tested against it; none: the primary screen.
  std::optional<ScreenSize> screen;
  // "Now" of the claim schedule; empty: the local wall clock.
  LocalClock clock;
  TickerTiming ticker;
};

}  // namespace trelio
