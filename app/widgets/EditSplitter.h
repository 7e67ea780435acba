// A thin handle after an edit on a tool bar: dragging it changes the edit's
// width.
#pragma once

#include <QPointer>
#include <QWidget>

namespace trelio {

class EditSplitter : public QWidget {
  Q_OBJECT

 public:
  EditSplitter(QWidget* target, QWidget* parent = nullptr);

  QSize sizeHint() const override { return {3, 22}; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  QPointer<QWidget> target_;
  int pressX_ = 0;
  int pressWidth_ = 0;
};

}  // namespace trelio
