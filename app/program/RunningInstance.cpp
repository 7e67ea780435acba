#include "app/program/RunningInstance.h"

#include <QCryptographicHash>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>

namespace trelio {

namespace {
constexpr int kCallTimeoutMs = 1000;
}

QString InstanceSocketName(const QString& dataFolder) {
  // A path may be longer than a socket name can be.
  const QByteArray hash =
      QCryptographicHash::hash(QFile::encodeName(dataFolder), QCryptographicHash::Sha256);
  return QStringLiteral("korvane-trelio-") + QString::fromLatin1(hash.toHex().left(32));
}

RunningInstance::RunningInstance(const QString& dataFolder, std::function<void()> onCall,
                                 QObject* parent)
    : QObject(parent), server_(new QLocalServer(this)), onCall_(std::move(onCall)) {
  const QString name = InstanceSocketName(dataFolder);
  // A socket left by a program of this folder that was killed: whoever
  // creates this object holds the folder, so no program listens there.
  QLocalServer::removeServer(name);
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* caller = server_->nextPendingConnection()) {
      connect(caller, &QLocalSocket::disconnected, caller, &QObject::deleteLater);
      caller->disconnectFromServer();
      if (onCall_) onCall_();
    }
  });
  // Without the socket a second start only misses the raised window.
  server_->listen(name);
}

bool RunningInstance::Listening() const { return server_->isListening(); }

bool CallRunningInstance(const QString& dataFolder) {
  QLocalSocket socket;
  socket.connectToServer(InstanceSocketName(dataFolder));
  if (!socket.waitForConnected(kCallTimeoutMs)) return false;
  socket.disconnectFromServer();
  return true;
}

}  // namespace trelio
