// The panel on a coin's tab sheet: the wallet address edit with its lock
// button, the coin name as a link, and the banner at the right.
#pragma once

#include <QFrame>

#include "app/core/coins/CoinTable.h"

class QIcon;
class QLabel;
class QLineEdit;
class QPixmap;
class QToolButton;

namespace trelio {

class CoinPanel : public QFrame {
  Q_OBJECT

 public:
  // number: the panel's place in the tab row, from 1, names its plain labels.
  CoinPanel(const Coin& coin, int number, QWidget* parent = nullptr);

  QString Address() const;
  void SetAddress(const QString& address);
  // A locked address is read-only.
  bool Locked() const;
  void SetLocked(bool locked);
  // The lock button's glyph and the edit's background follow the lock.
  void ShowLock(const QIcon& glyph);
  void SetBanner(const QPixmap& picture);
  void SetHints(const QString& panel, const QString& banner);

  // Places the "Your " label, the name link and the "address: " label in a
  // row, each as wide as its caption needs; again after every translation.
  void LayOutLabels();

 signals:
  void lockClicked();
  // A left-button release over the coin's name.
  void nameClicked();
  // A left-button release over the banner.
  void bannerClicked();
  // Any release over the address edit.
  void addressReleased(QLineEdit* edit);

 protected:
  void resizeEvent(QResizeEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* YourLabel;
  QLabel* NameLabel;
  QLabel* AddressLabel;
  QToolButton* LockButton;
  QLineEdit* AddressEdit;
  QLabel* Banner;
};

}  // namespace trelio
