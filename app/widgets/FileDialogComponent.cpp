#include "app/widgets/FileDialogComponent.h"

#include <QEvent>
#include <QFileSystemModel>

namespace trelio {

FileDialogComponent::FileDialogComponent(QWidget* owner, const QString& name,
                                         QFileDialog::AcceptMode mode)
    : QObject(owner), owner_(owner), acceptMode_(mode) {
  setObjectName(name);
}

void FileDialogComponent::setFileMode(QFileDialog::FileMode mode) {
  fileMode_ = mode;
  if (dialog_) dialog_->setFileMode(mode);
}

void FileDialogComponent::SetFilter(const QString& filter) {
  filter_ = filter;
  // Qt shows a file kind as "description (patterns)".
  const QStringList parts = filter.split(QLatin1Char('|'));
  nameFilters_.clear();
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
    nameFilters_ << parts[i] + QStringLiteral(" (") + parts[i + 1] + QLatin1Char(')');
  if (dialog_) dialog_->setNameFilters(nameFilters_);
}

void FileDialogComponent::setOption(QFileDialog::Option option, bool on) {
  optionsOn_.setFlag(option, on);
  optionsOff_.setFlag(option, !on);
  if (dialog_) dialog_->setOption(option, on);
}

bool FileDialogComponent::testOption(QFileDialog::Option option) const {
  return dialog_ ? dialog_->testOption(option) : optionsOn_.testFlag(option);
}

QFileDialog& FileDialogComponent::Dialog() {
  if (!dialog_) {
    dialog_ = new QFileDialog(owner_);
    dialog_->setAcceptMode(acceptMode_);
    dialog_->setFileMode(fileMode_);
    if (!nameFilters_.isEmpty()) dialog_->setNameFilters(nameFilters_);
    // Options never set keep what a new dialog starts with.
    dialog_->setOptions((dialog_->options() & ~optionsOff_) | optionsOn_);
    dialog_->installEventFilter(this);
    WatchFolder(false);
    connect(dialog_, &QDialog::finished, this, [this] { WatchFolder(false); });
  }
  return *dialog_;
}

// A closed dialog's folder model would go on watching the folder it was
// shown in, and read what changes there on the window thread (a file of
// /proc blocks that thread for good); it watches only while shown.
void FileDialogComponent::WatchFolder(bool on) {
  if (!dialog_) return;
  for (auto* model : dialog_->findChildren<QFileSystemModel*>())
    model->setOption(QFileSystemModel::DontWatchForChanges, !on);
}

bool FileDialogComponent::eventFilter(QObject* watched, QEvent* event) {
  if (watched == dialog_ && event->type() == QEvent::Show) WatchFolder(true);
  return QObject::eventFilter(watched, event);
}

}  // namespace trelio
