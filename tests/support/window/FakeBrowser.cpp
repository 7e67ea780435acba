#include "tests/support/window/FakeBrowser.h"

namespace trelio::test {

bool FakeBrowser::CreateBrowser(QWidget* parent) {
  requests << QStringLiteral("CreateBrowser");
  view_ = new QWidget(parent);
  view_->hide();
  return true;
}

void FakeBrowser::Show() {
  requests << QStringLiteral("Show");
  visible_ = true;
  if (view_) view_->show();
}

void FakeBrowser::Hide() {
  requests << QStringLiteral("Hide");
  visible_ = false;
  if (view_) view_->hide();
}

std::unique_ptr<EmbeddedBrowser> FakeBrowserFactory::MakeBrowser() {
  auto window = std::make_unique<FakeBrowser>(static_cast<int>(made.size()) + 1);
  made.push_back(window.get());
  return window;
}

}  // namespace trelio::test
