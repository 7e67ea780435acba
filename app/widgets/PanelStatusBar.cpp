#include "app/widgets/PanelStatusBar.h"

#include <QLabel>

namespace trelio {

PanelStatusBar::PanelStatusBar(const std::vector<int>& widths, QWidget* parent)
    : QStatusBar(parent) {
  setSizeGripEnabled(false);
  setFixedHeight(22);
  // Its own face colour, whatever the panel behind it shows.
  setAutoFillBackground(true);
  QPalette p = palette();
  p.setColor(QPalette::Window, QColor(0xF0, 0xF0, 0xF0));
  p.setColor(QPalette::WindowText, Qt::black);
  setPalette(p);
  for (size_t i = 0; i < widths.size(); ++i) {
    auto* panel = new QLabel(this);
    // The bar's text colour, also where the window's style sheets govern.
    panel->setPalette(p);
    panel->setFrameShape(QFrame::StyledPanel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setIndent(2);
    const bool last = i + 1 == widths.size();
    if (!last) panel->setFixedWidth(widths[i]);
    addWidget(panel, last ? 1 : 0);
    panels_.push_back(panel);
  }
}

QString PanelStatusBar::PanelText(int i) const {
  return i >= 0 && i < PanelCount() ? panels_[static_cast<size_t>(i)]->text() : QString();
}

void PanelStatusBar::SetPanelText(int i, const QString& text) {
  if (i >= 0 && i < PanelCount()) panels_[static_cast<size_t>(i)]->setText(text);
}

}  // namespace trelio
