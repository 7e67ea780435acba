// Timing the start: with the variable below set to anything non-empty, the
// program prints "first paint" and ends at once when its window has painted
// for the first time. Without it nothing changes.
#pragma once

class QWidget;

namespace trelio {

inline constexpr char kExitOnFirstPaintVariable[] = "KORVANE_TRELIO_EXIT_ON_FIRST_PAINT";

// Watches `window` when the variable is set. The end skips every shutdown
// step (no index or settings are written): it measures the start only.
void ExitOnFirstPaintWhenAsked(QWidget& window);

}  // namespace trelio
