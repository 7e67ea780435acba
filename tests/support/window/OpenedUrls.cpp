#include "tests/support/window/OpenedUrls.h"

#include <QDesktopServices>

namespace trelio::test {

namespace {
constexpr const char* kSchemes[] = {"http", "https"};
}  // namespace

OpenedUrls::OpenedUrls() {
  for (const char* scheme : kSchemes)
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), this, "Open");
}

OpenedUrls::~OpenedUrls() {
  for (const char* scheme : kSchemes)
    QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
}

void OpenedUrls::Open(const QUrl& url) { urls << url.toString(); }

}  // namespace trelio::test
