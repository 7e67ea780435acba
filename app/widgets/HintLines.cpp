#include "app/widgets/HintLines.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QToolTip>
#include <QWidget>

namespace trelio {

QString ShownLineBreaks(const QString& text) {
  QString shown = text;
  shown.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
  return shown;
}

HintLines::HintLines(QObject* parent) : QObject(parent) {
  QCoreApplication::instance()->installEventFilter(this);
}

HintLines::~HintLines() {
  if (QCoreApplication::instance()) QCoreApplication::instance()->removeEventFilter(this);
}

bool HintLines::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::ToolTip && watched->isWidgetType()) {
    auto* widget = static_cast<QWidget*>(watched);
    const QString hint = widget->toolTip();
    if (hint.contains(QStringLiteral("\n\r"))) {
      const auto* help = static_cast<QHelpEvent*>(event);
      QToolTip::showText(help->globalPos(), ShownLineBreaks(hint), widget, {},
                         widget->toolTipDuration());
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace trelio
