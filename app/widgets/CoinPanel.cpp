#include "app/widgets/CoinPanel.h"

#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QToolButton>
#include <algorithm>

#include "app/widgets/Background.h"
#include "app/widgets/Fonts.h"

namespace trelio {

namespace {

constexpr int kPanelHeight = 60;
constexpr int kBannerWidth = 175;

QLabel* MakeLabel(QWidget* parent, const QString& name, const QString& caption) {
  auto* label = new QLabel(caption, parent);
  label->setObjectName(name);
  label->setFont(DesignFont(QStringLiteral("Arial"), 19));
  // Window-text black on the silver panel in any palette; set on the label
  // itself, since under the window's style sheets the panel's is not passed on.
  QPalette black = label->palette();
  black.setColor(QPalette::WindowText, Qt::black);
  label->setPalette(black);
  return label;
}

}  // namespace

CoinPanel::CoinPanel(const Coin& coin, int number, QWidget* parent) : QFrame(parent) {
  const CoinComponents& names = coin.components;
  setObjectName(QString::fromLatin1(names.panel));
  setFixedHeight(kPanelHeight);
  setFrameShape(QFrame::NoFrame);
  FillBackground(this, QColor(0xC0, 0xC0, 0xC0));

  YourLabel = MakeLabel(this, QStringLiteral("YourLabel%1").arg(number), QStringLiteral("Your "));

  NameLabel = MakeLabel(this, QString::fromLatin1(names.nameLabel), QString::fromLatin1(coin.name));
  QFont link = NameLabel->font();
  link.setUnderline(true);
  NameLabel->setFont(link);
  QPalette navy = NameLabel->palette();
  navy.setColor(QPalette::WindowText, QColor(0x00, 0x00, 0x80));
  NameLabel->setPalette(navy);
  NameLabel->setCursor(Qt::PointingHandCursor);

  AddressLabel =
      MakeLabel(this, QStringLiteral("AddressLabel%1").arg(number), QStringLiteral("address: "));
  LayOutLabels();

  LockButton = new QToolButton(this);
  LockButton->setObjectName(QString::fromLatin1(names.lockButton));
  LockButton->setAutoRaise(true);
  LockButton->setIconSize({16, 16});
  LockButton->setGeometry(8, 32, 21, 21);
  if (names.lockButtonHint) LockButton->setToolTip(QStringLiteral("Lock for edit"));

  AddressEdit = new QLineEdit(this);
  AddressEdit->setObjectName(QString::fromLatin1(names.addressEdit));
  AddressEdit->setFrame(false);
  AddressEdit->setFont(DesignFont(QStringLiteral("Courier New"), 19));
  AddressEdit->setMaxLength(32767);
  AddressEdit->setGeometry(32, 32, 500, 20);

  Banner = new QLabel(this);
  Banner->setObjectName(QString::fromLatin1(names.banner));
  Banner->setCursor(Qt::PointingHandCursor);
  Banner->setFixedSize(kBannerWidth, kPanelHeight);

  connect(LockButton, &QToolButton::clicked, this, &CoinPanel::lockClicked);
  for (QWidget* w : {static_cast<QWidget*>(NameLabel), static_cast<QWidget*>(Banner),
                     static_cast<QWidget*>(AddressEdit)})
    w->installEventFilter(this);
}

QString CoinPanel::Address() const { return AddressEdit->text(); }

void CoinPanel::SetAddress(const QString& address) { AddressEdit->setText(address); }

bool CoinPanel::Locked() const { return AddressEdit->isReadOnly(); }

void CoinPanel::SetLocked(bool locked) { AddressEdit->setReadOnly(locked); }

void CoinPanel::ShowLock(const QIcon& glyph) {
  LockButton->setIcon(glyph);
  const QColor colour = Locked() ? QColor(0xC0, 0xC0, 0xC0) : QColor(Qt::white);
  QPalette p = AddressEdit->palette();
  p.setColor(QPalette::Base, colour);
  AddressEdit->setPalette(p);
  // The tab row's style sheet governs the edit's drawing, and over it a
  // palette colour is not drawn: the edit's own style sheet is.
  AddressEdit->setStyleSheet(
      QStringLiteral("QLineEdit { background: %1; color: black; }").arg(colour.name()));
}

void CoinPanel::SetBanner(const QPixmap& picture) { Banner->setPixmap(picture); }

void CoinPanel::SetHints(const QString& panel, const QString& banner) {
  setToolTip(panel);
  Banner->setToolTip(banner);
}

void CoinPanel::LayOutLabels() {
  // At their design sizes, each wider where its caption needs it.
  const auto width = [](QLabel* label, int design) {
    return std::max(design, label->sizeHint().width());
  };
  YourLabel->setGeometry(8, 8, width(YourLabel, 44), 22);
  NameLabel->adjustSize();
  NameLabel->move(std::max(53, YourLabel->geometry().right() + 2), 8);
  // The caption "address: " has no blank of its own in front.
  const int blank = AddressLabel->fontMetrics().horizontalAdvance(QLatin1Char(' '));
  AddressLabel->setGeometry(NameLabel->geometry().right() + 1 + blank, 8, width(AddressLabel, 79),
                            22);
}

bool CoinPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease) {
    const bool left = static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton;
    if (watched == AddressEdit)
      emit addressReleased(AddressEdit);
    else if (watched == NameLabel && left)
      emit nameClicked();
    else if (watched == Banner && left)
      emit bannerClicked();
  }
  return QFrame::eventFilter(watched, event);
}

void CoinPanel::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  Banner->move(width() - kBannerWidth, 0);
}

}  // namespace trelio
