#include "tests/app/FakeBrowserWindow.h"

namespace trelio {

bool FakeBrowserWindow::CreateBrowser(QWidget* parent) {
  requests << QStringLiteral("CreateBrowser");
  view_ = new QWidget(parent);
  view_->hide();
  return true;
}

void FakeBrowserWindow::Show() {
  requests << QStringLiteral("Show");
  visible_ = true;
  if (view_) view_->show();
}

void FakeBrowserWindow::Hide() {
  requests << QStringLiteral("Hide");
  visible_ = false;
  if (view_) view_->hide();
}

std::unique_ptr<BrowserWindow> FakeBrowserFactory::CreateBrowserWindow() {
  auto window = std::make_unique<FakeBrowserWindow>(static_cast<int>(made.size()) + 1);
  made.push_back(window.get());
  return window;
}

}  // namespace trelio
