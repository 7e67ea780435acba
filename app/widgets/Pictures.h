// The program's own pictures (SVG in the resources) and the image lists the
// window takes them from.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>
#include <QString>
#include <vector>

namespace trelio {

// Registers the picture resources; safe to call more than once.
void InitPictures();

// ":/pictures/<name>.svg" as an icon that renders sharp at any scale.
QIcon Picture(const QString& name);
// The picture rendered at size for a device pixel ratio.
QPixmap PicturePixmap(const QString& name, QSize size, qreal devicePixelRatio = 1.0);

struct ImageList {
  QSize size;
  std::vector<QIcon> images;

  int Count() const { return static_cast<int>(images.size()); }
  // An empty icon for an index out of range.
  QIcon Image(int index) const;
};

ImageList MakeImageList(QSize size, const std::vector<QString>& names);

// The five lists of the main window.
ImageList CoinImages();        // ImageList1, 24 x 24, by coin icon index
ImageList LockImages();        // ImageList2, 0 locked, 1 unlocked
ImageList ListToolImages();    // ImageList3
ImageList MenuImages();        // ImageList4
ImageList DetailToolImages();  // ImageList5

}  // namespace trelio
