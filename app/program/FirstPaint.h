// The first paint of the main window: work that need not hold up the
// window's first appearance waits for it.
//
// Timing the start: with the first variable below set to anything non-empty,
// the program prints "first paint" and ends at once when its window has
// painted for the first time; with the second, it prints "engine started"
// and ends once the browser engine has started after that paint. Without
// them nothing changes.
#pragma once

#include <functional>

class QWidget;

namespace trelio {

inline constexpr char kExitOnFirstPaintVariable[] = "KORVANE_TRELIO_EXIT_ON_FIRST_PAINT";
inline constexpr char kExitOnEngineStartVariable[] = "KORVANE_TRELIO_EXIT_ON_ENGINE_START";

// Calls `then` once on the window thread, as soon as the whole first frame of
// `window` (its children included) has been painted; asked before that frame.
// Calls asked for one window run in the order asked.
void AfterFirstPaint(QWidget& window, std::function<void()> then);

// Watches `window` when the first variable is set. The end skips every
// shutdown step (no index or settings are written): it measures the start
// only.
void ExitOnFirstPaintWhenAsked(QWidget& window);

// Ends the program, as above, when the second variable is set.
void ExitOnEngineStartWhenAsked();

}  // namespace trelio
