// The window fonts by their design names. Debian has none of them; each
// design name is mapped once to a metric-compatible free font.
#pragma once

#include <QFont>

namespace trelio {

// Maps "MS Sans Serif", "Arial" and "Courier New" to installed fonts.
void InstallFontSubstitutes();

// A font of the design family with a character height in pixels.
QFont DesignFont(const QString& family, int pixelHeight);
inline QFont SansSerifFont(int pixelHeight) {
  return DesignFont(QStringLiteral("MS Sans Serif"), pixelHeight);
}

// Point sizes of the drawing code at 96 dpi: 8 pt = 11 px, 12 pt = 16 px.
constexpr int PointsToPixels(int points) { return (points * 96 + 36) / 72; }

}  // namespace trelio
