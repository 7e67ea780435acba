// The window's widgets, menus and actions as a test reaches them: by their
// object names, the names the user-facing forms and language files use.
#pragma once

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QList>
#include <QObject>
#include <QString>
#include <QToolButton>
#include <stdexcept>
#include <string>
#include <string_view>

#include "app/core/coins/CoinTable.h"
#include "app/widgets/CoinPanel.h"

namespace trelio::test {

// The one child of owner with that object name and type; none or more than
// one throws, which fails the test at once rather than crashing it later.
template <class T>
T* Widget(const QObject& owner, std::string_view name) {
  const QString objectName = QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
  const QList<T*> found = owner.findChildren<T*>(objectName);
  if (found.size() != 1) {
    const std::string why =
        std::to_string(found.size()) + " children named " + std::string(name) + " of that type";
    throw std::logic_error(why);
  }
  return found.front();
}

// The controls of the coin on a tab of the tab row.
inline const CoinComponents& CoinNamesAtTab(int tab) { return CoinAtTab(tab).components; }

inline CoinPanel* CoinPanelAt(const QObject& window, int tab) {
  return Widget<CoinPanel>(window, CoinNamesAtTab(tab).panel);
}
inline QLineEdit* AddressEditAt(const QObject& window, int tab) {
  return Widget<QLineEdit>(window, CoinNamesAtTab(tab).addressEdit);
}
inline QToolButton* LockButtonAt(const QObject& window, int tab) {
  return Widget<QToolButton>(window, CoinNamesAtTab(tab).lockButton);
}
inline QLabel* NameLabelAt(const QObject& window, int tab) {
  return Widget<QLabel>(window, CoinNamesAtTab(tab).nameLabel);
}
inline QLabel* BannerAt(const QObject& window, int tab) {
  return Widget<QLabel>(window, CoinNamesAtTab(tab).banner);
}
inline QAction* CoinMenuItemAt(const QObject& window, int tab) {
  return Widget<QAction>(window, CoinNamesAtTab(tab).menuItem);
}

}  // namespace trelio::test
