// The program that holds a data folder listens on a local socket named after
// that folder; a second start on the same folder calls it there, and the
// running program brings its window to the front.
#pragma once

#include <QObject>
#include <QString>
#include <functional>

class QLocalServer;

namespace trelio {

// The socket's name for a data folder: the same folder gives the same name,
// another folder another one.
QString InstanceSocketName(const QString& dataFolder);

class RunningInstance : public QObject {
  Q_OBJECT

 public:
  // Listens for calls on the folder's socket while it lives; onCall runs on
  // the window thread for each call. Only the caller's own user may call.
  RunningInstance(const QString& dataFolder, std::function<void()> onCall,
                  QObject* parent = nullptr);

  bool Listening() const;

 private:
  QLocalServer* server_;
  std::function<void()> onCall_;
};

// Calls the program that holds the folder; false when none answers within a
// second.
bool CallRunningInstance(const QString& dataFolder);

}  // namespace trelio
