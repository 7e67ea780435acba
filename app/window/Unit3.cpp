#include "app/window/Unit3.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QShowEvent>
#include <QWindow>

#include "app/core/index/IndexDownload.h"
#include "app/core/settings/LanguageSetting.h"
#include "app/platform/MakerServer.h"
#include "app/threads/UpdThread.h"
#include "app/widgets/LcQtForm.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"
#include "app/window/DialogPlacement.h"
#include "app/window/Unit1.h"

namespace trelio {

TOKBottomDlg::TOKBottomDlg(TForm1& form1) : QDialog(nullptr), form1_(&form1) {
  setObjectName(QStringLiteral("OKBottomDlg"));
  setWindowTitle(QStringLiteral("Update Progress"));
  SetFixedClientSize(*this, {400, 81});

  ProgressBar1 = new QProgressBar(this);
  ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
  ProgressBar1->setGeometry(8, 8, 384, 24);
  ProgressBar1->setRange(0, 100);
  ProgressBar1->setValue(0);
  ProgressBar1->setTextVisible(false);

  Button1 = new QPushButton(QStringLiteral("Cancel"), this);
  Button1->setObjectName(QStringLiteral("Button1"));
  Button1->setGeometry(160, 48, 75, 25);
  // Neither the default nor the cancel button: Enter and Escape do nothing.
  Button1->setAutoDefault(false);
  Button1->setDefault(false);
  connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });

  form1.OKBottomDlg = this;
  FormCreate();
}

TOKBottomDlg::~TOKBottomDlg() {
  destroying_ = true;
  if (form1_ && form1_->OKBottomDlg == this) form1_->OKBottomDlg = nullptr;
  for (const auto& download : downloads_) download->Abandon();
  downloads_.clear();
}

void TOKBottomDlg::FormCreate() { TranslatedLang.clear(); }

void TOKBottomDlg::FormShow() {
  if (form1_ && TakeLanguageChange(TranslatedLang, form1_->LanguageCode)) {
    LcTranslateForm(this);
  }
  StartDownload();
}

void TOKBottomDlg::StartDownload() {
  // An earlier showing's download was cancelled when it closed; its failure
  // could still be news until now, but from here on nothing uses it.
  for (const auto& download : downloads_) download->Abandon();
  std::erase_if(downloads_, [](const auto& download) { return download->Finished(); });
  const unsigned showing = ++showing_;
  stored_ = false;
  const auto latest = [this, showing] { return !destroying_ && showing == showing_ && form1_; };

  UpdThread::Handlers handlers;
  handlers.workBegin = [this, latest](int64_t expected) {
    if (latest()) form1_->IdHTTP1WorkBegin(expected);
  };
  handlers.work = [this, latest](int64_t countSoFar) {
    if (latest()) form1_->IdHTTP1Work(countSoFar);
  };
  handlers.stored = [this, latest] {
    if (latest()) stored_ = true;
  };
  // Also for a download whose showing has closed: its failure is still news.
  handlers.showError = [this](const DownloadFailure& failure) {
    if (destroying_ || !form1_) return;
    PanelStatusBar* bar = form1_->StatusBar2;
    const QString text =
        failure.message ? MessageQString(*failure.message) : SystemText(failure.systemText);
    bar->SetPanelText(0, text + QString::fromLatin1(kDownloadErrorSeparator) + bar->PanelText(0));
  };
  // A download ends only its own showing, never a later one.
  handlers.closeProgress = [this, latest] {
    if (latest() && isVisible()) close();
  };

  const std::string savePath = form1_ ? form1_->Index.files.tmp2 : std::string();
  auto download =
      std::make_unique<UpdThread>(ServerIndexUrl(), savePath, this, std::move(handlers));
  DownloadThread = download.get();
  downloads_.push_back(std::move(download));
  DownloadThread->Start();
}

void TOKBottomDlg::Button1Click() { close(); }

void TOKBottomDlg::FormClose() {
  if (DownloadThread) DownloadThread->Cancelled = true;
}

void TOKBottomDlg::setVisible(bool visible) {
  if (visible && !isVisible()) {
    // Centred on the screen before it appears, and kept above the main
    // window.
    CenterOnScreen(*this);
    if (form1_ && form1_->windowHandle()) {
      winId();
      windowHandle()->setTransientParent(form1_->windowHandle());
    }
  }
  QDialog::setVisible(visible);
}

void TOKBottomDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (!event->spontaneous()) FormShow();
}

void TOKBottomDlg::closeEvent(QCloseEvent* event) {
  FormClose();
  QDialog::closeEvent(event);
}

void TOKBottomDlg::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape) return;
  QDialog::keyPressEvent(event);
}

}  // namespace trelio
