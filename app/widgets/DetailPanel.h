// The black detail area: a bar on top, one at the bottom, the browser views
// stacked in between, and a caption that shows where no view is visible.
#pragma once

#include <QWidget>

namespace trelio {

class DetailPanel : public QWidget {
  Q_OBJECT

 public:
  explicit DetailPanel(QWidget* parent = nullptr);

  void SetBars(QWidget* top, QWidget* bottom);
  // The views all take the place between the bars.
  void AddView(QWidget* view);
  // The rectangle between the bars.
  QRect ViewArea() const;

  QString Caption() const { return caption_; }
  void SetCaption(const QString& caption);

 signals:
  void Clicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void PlaceViews();
  // A view covers the whole area between the bars.
  bool ViewShown() const;

  QWidget* top_ = nullptr;
  QWidget* bottom_ = nullptr;
  QList<QWidget*> views_;
  QString caption_;
};

}  // namespace trelio
