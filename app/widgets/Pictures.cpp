#include "app/widgets/Pictures.h"

#include <QPainter>
#include <QSvgRenderer>

#include "app/core/coins/CoinTable.h"

// Outside any namespace, as the resource macro wants.
static void InitPictureResources() { Q_INIT_RESOURCE(pictures); }

namespace trelio {

void InitPictures() {
  static const bool done = (InitPictureResources(), true);
  (void)done;
}

static QString PicturePath(const QString& name) {
  return QStringLiteral(":/pictures/") + name + QStringLiteral(".svg");
}

QIcon Picture(const QString& name) {
  InitPictures();
  return QIcon(PicturePath(name));
}

QPixmap PicturePixmap(const QString& name, QSize size, qreal devicePixelRatio) {
  InitPictures();
  QPixmap pixmap(size * devicePixelRatio);
  pixmap.fill(Qt::transparent);
  QSvgRenderer renderer(PicturePath(name));
  QPainter painter(&pixmap);
  renderer.render(&painter);
  painter.end();
  pixmap.setDevicePixelRatio(devicePixelRatio);
  return pixmap;
}

QIcon ImageList::Image(int index) const {
  if (index < 0 || index >= Count()) return {};
  return images[static_cast<size_t>(index)];
}

ImageList MakeImageList(QSize size, const std::vector<QString>& names) {
  ImageList list{size, {}};
  for (const QString& name : names) list.images.push_back(Picture(name));
  return list;
}

ImageList CoinImages() {
  // A coin's picture is named after its key: "coin-bitcoin-cash".
  std::vector<QString> names;
  for (int coin : kCoinIconOrder) {
    names.push_back(QStringLiteral("coin-") +
                    QString::fromLatin1(kCoins[coin].key).replace(' ', '-'));
  }
  return MakeImageList({24, 24}, names);
}

ImageList LockImages() { return MakeImageList({16, 16}, {"lock-closed", "lock-open"}); }

ImageList ListToolImages() {
  return MakeImageList({16, 16}, {"tool-show-hidden", "tool-browse-selected", "tool-browse-next"});
}

ImageList MenuImages() {
  return MakeImageList(
      {16, 16},
      {"menu-file", "menu-update-index", "menu-update-from-file", "menu-save", "menu-exit",
       "menu-about", "menu-new-item", "menu-home-page", "menu-feedback", "menu-clear-index",
       "menu-updating-options", "menu-settings", "menu-language", "menu-list-options"});
}

ImageList DetailToolImages() {
  return MakeImageList(
      {16, 16}, {"tool-back", "tool-forward", "tool-refresh", "tool-go", "tool-add", "tool-save"});
}

}  // namespace trelio
