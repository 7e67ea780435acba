// The panel on a coin's tab sheet: the wallet address edit with its lock
// button, the coin name as a link, and the banner at the right.
#pragma once

#include <QFrame>

#include "app/core/coins/CoinTable.h"

class QLabel;
class QLineEdit;
class QToolButton;

namespace trelio {

class CoinPanel : public QFrame {
  Q_OBJECT

 public:
  // number: the panel's place in the tab row, from 1, names its plain labels.
  CoinPanel(const Coin& coin, int number, QWidget* parent = nullptr);

  QLabel* YourLabel;
  QLabel* NameLabel;
  QLabel* AddressLabel;
  QToolButton* LockButton;
  QLineEdit* AddressEdit;
  QLabel* Banner;

  // Places the "Your " label, the name link and the "address: " label in a
  // row, each as wide as its caption needs; again after every translation.
  void LayOutLabels();

 protected:
  void resizeEvent(QResizeEvent* event) override;
};

}  // namespace trelio
