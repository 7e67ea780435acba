#include "app/widgets/Fonts.h"

#include <QStringList>

namespace trelio {

void InstallFontSubstitutes() {
  const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
  QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
  QFont::insertSubstitutions(QStringLiteral("Arial"), sans);
  QFont::insertSubstitutions(QStringLiteral("Courier New"), {QStringLiteral("Liberation Mono"),
                                                             QStringLiteral("DejaVu Sans Mono")});
}

QFont DesignFont(const QString& family, int pixelHeight) {
  QFont font(family);
  font.setPixelSize(pixelHeight);
  return font;
}

}  // namespace trelio
