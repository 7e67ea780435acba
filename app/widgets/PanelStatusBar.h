// A status bar of text panels; the last panel fills what the others leave.
#pragma once

#include <QStatusBar>
#include <vector>

class QLabel;

namespace trelio {

class PanelStatusBar : public QStatusBar {
  Q_OBJECT

 public:
  // widths: the design widths of the panels, in order.
  PanelStatusBar(const std::vector<int>& widths, QWidget* parent = nullptr);

  int PanelCount() const { return static_cast<int>(panels_.size()); }
  QString PanelText(int i) const;
  void SetPanelText(int i, const QString& text);

 private:
  std::vector<QLabel*> panels_;
};

}  // namespace trelio
