// The texts' line break is LF followed by CR; Qt draws the CR. The texts keep
// their bytes, and where they are shown each LF CR pair is one line break.
#pragma once

#include <QObject>
#include <QString>

namespace trelio {

// The text as shown: each LF CR pair becomes one LF.
QString ShownLineBreaks(const QString& text);

// Shows the hints of every widget with their line breaks as above; installed
// on the application while it exists.
class HintLines : public QObject {
  Q_OBJECT

 public:
  explicit HintLines(QObject* parent = nullptr);
  ~HintLines() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace trelio
