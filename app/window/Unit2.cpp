#include "app/window/Unit2.h"

#include <QEvent>
#include <QHideEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QShowEvent>
#include <algorithm>

#include "app/core/about/VersionCheck.h"
#include "app/core/settings/LanguageSetting.h"
#include "app/platform/MakerServer.h"
#include "app/threads/VerThread.h"
#include "app/widgets/Background.h"
#include "app/widgets/Fonts.h"
#include "app/widgets/LcQtForm.h"
#include "app/widgets/Pictures.h"
#include "app/widgets/TextBridge.h"
#include "app/window/DialogPlacement.h"
#include "app/window/OpenPage.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

QFont Arial(int pixelHeight, bool bold = false) {
  QFont font = DesignFont(QStringLiteral("Arial"), pixelHeight);
  font.setBold(bold);
  return font;
}

QLabel* AddLabel(QWidget* parent, const char* name, const QString& text, const QFont& font,
                 QPoint at) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFont(font);
  label->move(at);
  label->adjustSize();
  return label;
}

}  // namespace

TAboutBox::TAboutBox(TForm1& form) : QDialog(&form), form_(form) {
  setObjectName(QStringLiteral("AboutBox"));
  CreateLayout();
  FormCreate();
  form_.AboutBox = this;
}

TAboutBox::~TAboutBox() {
  if (form_.AboutBox == this) form_.AboutBox = nullptr;
  // A check that answers from now on finds no box to write into.
  VersionThread = nullptr;
  for (const auto& check : checks_) check->Terminate();
  checks_.clear();
}

void TAboutBox::CreateLayout() {
  setWindowTitle(QStringLiteral("About Korvane Trelio"));
  SetFixedClientSize(*this, {369, 418});
  FillBackground(this, QColor(192, 192, 192));
  setFont(SansSerifFont(11));

  Panel1 = new QWidget(this);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  Panel1->setGeometry(8, 8, 353, 337);
  FillBackground(Panel1, Qt::white, Qt::black);

  ProgramIcon = new QLabel(Panel1);
  ProgramIcon->setObjectName(QStringLiteral("ProgramIcon"));
  ProgramIcon->setGeometry(8, 8, 32, 32);
  ProgramIcon->setPixmap(
      PicturePixmap(QStringLiteral("korvane-trelio"), {32, 32}, devicePixelRatioF()));
  ProgramIcon->setScaledContents(true);

  ProductName =
      AddLabel(Panel1, "ProductName", QStringLiteral("Korvane Trelio"), Arial(19, true), {48, 12});
  Label1 = AddLabel(Panel1, "Label1", QStringLiteral("version "), Arial(16), {48, 40});

  SpeedButton3 =
      AddLinkButton("SpeedButton3", QStringLiteral("Korvane Trelio new version available!"), {},
                    {8, 67, 337, 32});
  SpeedButton3->setFont(Arial(13, true));
  connect(SpeedButton3, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });

  checkingText_ = QString::fromLatin1(kCheckingForNewVersion);
  Label4 = AddLabel(Panel1, "Label4", checkingText_, Arial(16), {48, 74});

  const QString home = QStringLiteral("menu-home-page");
  const QString bitcoin = QStringLiteral("coin-bitcoin");
  SpeedButton4 =
      AddLinkButton("SpeedButton4", QStringLiteral("Home Page"), home, {8, 115, 168, 32});
  SpeedButton5 = AddLinkButton("SpeedButton5", QStringLiteral("Feedback"),
                               QStringLiteral("menu-feedback"), {176, 115, 169, 32});
  SpeedButton1 =
      AddLinkButton("SpeedButton1", QStringLiteral("What is Bitcoin and how to get it for free?"),
                    bitcoin, {8, 161, 337, 32});
  SpeedButton2 = AddLinkButton("SpeedButton2", QStringLiteral("Bitcoin exchange rate calculator"),
                               bitcoin, {8, 193, 337, 32});
  SpeedButton6 = AddLinkButton("SpeedButton6", QStringLiteral("Buy, sell, trade Bitcoin"), bitcoin,
                               {8, 225, 337, 32});
  SpeedButton7 =
      AddLinkButton("SpeedButton7", QStringLiteral("Bitcoin news"), bitcoin, {8, 257, 337, 32});
  connect(SpeedButton4, &QPushButton::clicked, this, [this] { SpeedButton4Click(); });
  connect(SpeedButton5, &QPushButton::clicked, this, [this] { SpeedButton5Click(); });
  connect(SpeedButton1, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
  connect(SpeedButton2, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });
  connect(SpeedButton6, &QPushButton::clicked, this, [this] { SpeedButton6Click(); });
  connect(SpeedButton7, &QPushButton::clicked, this, [this] { SpeedButton7Click(); });

  // The site's name; the host the program talks to, so the demo shows its own.
  QFont link = Arial(16);
  link.setUnderline(true);
  Label3 = AddLabel(Panel1, "Label3", AnsiToQString(MakerServerHost()), link, {176, 310});
  QPalette navy = Label3->palette();
  navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
  Label3->setPalette(navy);
  Label3->setCursor(Qt::PointingHandCursor);
  Label3->installEventFilter(this);

  OKButton = new QPushButton(QStringLiteral("OK"), this);
  OKButton->setObjectName(QStringLiteral("OKButton"));
  OKButton->setGeometry(143, 369, 82, 25);
  OKButton->setDefault(true);
  connect(OKButton, &QPushButton::clicked, this, &QDialog::accept);
}

// Buttons that open a page: icon and caption centred together, no focus, so
// Enter stays with the OK button.
QPushButton* TAboutBox::AddLinkButton(const char* name, const QString& caption,
                                      const QString& picture, QRect bounds) {
  auto* button = new QPushButton(caption, Panel1);
  button->setObjectName(QString::fromLatin1(name));
  if (!picture.isEmpty()) button->setIcon(Picture(picture));
  button->setIconSize({16, 16});
  button->setAutoDefault(false);
  button->setFocusPolicy(Qt::NoFocus);
  button->setFont(Arial(13));
  button->setGeometry(bounds);
  button->setCursor(Qt::PointingHandCursor);
  return button;
}

void TAboutBox::FormCreate() {
  TranslatedLang.clear();
  ShowChecking();
}

void TAboutBox::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CenterOnScreen(*this);
  FormShow();
}

// The next showing starts a check of its own, so nobody would see what this
// one finds: its transfer ends now rather than run on into a hidden box.
void TAboutBox::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  if (event->spontaneous()) return;
  for (const auto& check : checks_) check->Terminate();
}

void TAboutBox::FormShow() {
  if (TakeLanguageChange(TranslatedLang, form_.LanguageCode)) {
    // The status line shows its design text while the box is translated, so
    // the translation of that text is what every later showing starts from.
    Label4->setText(checkingText_);
    LcTranslateForm(this);
    checkingText_ = Label4->text();
  }
  Label1->setText(Utf16ToQString(VersionLabelText()));
  Label1->adjustSize();
  // Each showing reports its own check: a user who opens the box again
  // after a failed check sees it checking, not the old failure.
  ShowChecking();
  RetireChecks();
  auto check = std::make_unique<VerThread>(
      ServerVersionUrl(), [this](VerThread& t) { ShowResult(t); },
      [this](VerThread& t) { ShowFailure(t); });
  VersionThread = check.get();
  checks_.push_back(std::move(check));
  VersionThread->Start();
}

void TAboutBox::ShowChecking() {
  Label4->setText(checkingText_);
  Label4->adjustSize();
  Label4->show();
  SpeedButton3->hide();
}

void TAboutBox::RetireChecks() {
  for (const auto& check : checks_) check->Terminate();
  std::erase_if(checks_, [](const std::unique_ptr<VerThread>& check) { return check->Finished(); });
}

// The box shows the answer of its latest check while it is open.
void TAboutBox::ShowResult(VerThread& thread) {
  if (&thread != VersionThread || thread.Terminated()) return;
  const VersionCheckResult result = VersionCheckResultFor(thread.ServerVersion);
  if (result.newer) {
    SpeedButton3->setText(Utf16ToQString(result.buttonText));
    Label4->hide();
    SpeedButton3->show();
  } else {
    Label4->setText(Utf16ToQString(result.statusText));
    Label4->adjustSize();
  }
}

void TAboutBox::ShowFailure(VerThread& thread) {
  if (&thread != VersionThread || thread.Terminated()) return;
  Label4->setText(Label4->text() + QString::fromLatin1(kVersionCheckFailed));
  Label4->adjustSize();
}

bool TAboutBox::eventFilter(QObject* watched, QEvent* event) {
  if (watched == Label3 && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    Label3Click();
    return true;
  }
  return QDialog::eventFilter(watched, event);
}

void TAboutBox::Label3Click() { OpenMakerPage(kSiteRootPage); }
void TAboutBox::SpeedButton1Click() { OpenMakerPage(kBitcoinPagePath); }
void TAboutBox::SpeedButton2Click() { OpenMakerPage(kBitcoinRatePagePath); }
void TAboutBox::SpeedButton3Click() { OpenMakerPage(kHomePagePath); }
void TAboutBox::SpeedButton4Click() { OpenMakerPage(kHomePagePath); }
void TAboutBox::SpeedButton5Click() { OpenMakerPage(kFeedbackPagePath); }
void TAboutBox::SpeedButton6Click() { OpenMakerPage(kBitcoinTradePagePath); }
void TAboutBox::SpeedButton7Click() { OpenMakerPage(kBitcoinNewsPagePath); }

}  // namespace trelio
