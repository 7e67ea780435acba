// Menu items that behave as the window's commands expect: a click never
// changes an item's check mark by itself, its handler decides.
#pragma once

#include <QAction>
#include <QIcon>
#include <QMenu>
#include <QSignalBlocker>

namespace trelio {

inline QAction* AddMenuItem(QMenu* menu, const char* name, const QString& caption,
                            const QIcon& icon = {}, bool checkable = false) {
  auto* item = menu->addAction(icon, caption);
  item->setObjectName(QString::fromLatin1(name));
  item->setCheckable(checkable);
  return item;
}

inline QMenu* AddSubmenu(QMenu* menu, const char* name, const QString& caption,
                         const QIcon& icon = {}) {
  auto* sub = menu->addMenu(icon, caption);
  sub->setObjectName(QString::fromLatin1(name));
  sub->menuAction()->setObjectName(QString::fromLatin1(name));
  return sub;
}

template <class Handler>
void ConnectClick(QAction* item, QObject* context, Handler handler) {
  QObject::connect(item, &QAction::triggered, context, [item, handler] {
    if (item->isCheckable()) {
      const QSignalBlocker quiet(item);
      item->setChecked(!item->isChecked());
    }
    handler();
  });
}

// A menu caption from data: "&" is shown as it is, not as a mnemonic.
inline QString LiteralCaption(QString text) {
  return text.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

}  // namespace trelio
