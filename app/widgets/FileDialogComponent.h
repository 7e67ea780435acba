// A file dialog as a component of its window: it carries the dialog's name
// and settings from the start, and makes the dialog itself the first time it
// is needed, since most runs never open one and making one slows the start.
#pragma once

#include <QFileDialog>
#include <QObject>
#include <QPointer>
#include <QStringList>

namespace trelio {

class FileDialogComponent : public QObject {
  Q_OBJECT

 public:
  // `owner` becomes the parent of this component and of the dialog.
  FileDialogComponent(QWidget* owner, const QString& name, QFileDialog::AcceptMode mode);

  void setFileMode(QFileDialog::FileMode mode);
  // The file kinds it offers, as pairs of a description and its patterns,
  // every part ended by "|" but the last: "CSV files|*.csv|All files|*".
  void SetFilter(const QString& filter);
  QString Filter() const { return filter_; }
  void setOption(QFileDialog::Option option, bool on = true);
  // An option never set reads as off, as on a new QFileDialog.
  bool testOption(QFileDialog::Option option) const;

  // The dialog with every setting made so far; made on the first call.
  QFileDialog& Dialog();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void WatchFolder(bool on);

  QWidget* owner_;
  QFileDialog::AcceptMode acceptMode_;
  QFileDialog::FileMode fileMode_ = QFileDialog::AnyFile;
  QString filter_;
  QStringList nameFilters_;
  QFileDialog::Options optionsOn_;
  QFileDialog::Options optionsOff_;
  QPointer<QFileDialog> dialog_;
};

}  // namespace trelio
