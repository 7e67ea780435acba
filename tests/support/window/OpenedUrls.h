// Takes the web addresses the desktop is asked to open, instead of a web
// browser, for as long as it exists.
#pragma once

#include <QObject>
#include <QStringList>
#include <QUrl>

namespace trelio::test {

class OpenedUrls : public QObject {
  Q_OBJECT

 public:
  OpenedUrls();
  ~OpenedUrls() override;

  QStringList urls;

 public slots:
  void Open(const QUrl& url);
};

}  // namespace trelio::test
