// The update-progress dialog: shown modally while the server index is
// downloaded, it starts a download at each showing and closes when that
// download is done, or at once on "Cancel".
#pragma once

#include <QDialog>
#include <QPointer>
#include <memory>
#include <string>
#include <vector>

class QProgressBar;
class QPushButton;

namespace trelio {

class TForm1;
class UpdThread;

class TOKBottomDlg : public QDialog {
  Q_OBJECT

 public:
  // Made at start-up after the main window and kept for the run; the main
  // window reaches it as its OKBottomDlg while it exists.
  explicit TOKBottomDlg(TForm1& form1);
  // Abandons the downloads still running, so the program ends promptly even
  // when a server never answers.
  ~TOKBottomDlg() override;

  QProgressBar* ProgressBar1 = nullptr;
  QPushButton* Button1 = nullptr;

  // The language the dialog was last translated to; "" until then.
  std::string TranslatedLang;
  // The download of the latest showing.
  UpdThread* DownloadThread = nullptr;

  void FormCreate();
  void FormShow();
  void Button1Click();
  void FormClose();

  void setVisible(bool visible) override;

  // True once the download of the latest showing has stored the index it
  // fetched; the caller merges only that file.
  bool DownloadStored() const { return stored_; }

 protected:
  void showEvent(QShowEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void StartDownload();

  QPointer<TForm1> form1_;
  // Every download not yet ended, and the latest one; at the next showing
  // ended ones go and the others are abandoned.
  std::vector<std::unique_ptr<UpdThread>> downloads_;
  // Counts the showings; a download acts on the dialog only while the
  // showing that started it is the latest.
  unsigned showing_ = 0;
  bool stored_ = false;
  bool destroying_ = false;
};

}  // namespace trelio
