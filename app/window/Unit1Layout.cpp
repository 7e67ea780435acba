// The window's layout as designed, at 96 dpi.
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/core/list/PluralWord.h"
#include "app/core/text/Messages.h"
#include "app/widgets/Background.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/DetailPanel.h"
#include "app/widgets/EditSplitter.h"
#include "app/widgets/FaucetListBox.h"
#include "app/widgets/FaucetListDrawing.h"
#include "app/widgets/Fonts.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/Pictures.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

const QColor kGray(128, 128, 128);
const QColor kSilver(192, 192, 192);

QSplitter* MakeSplitter(Qt::Orientation orientation, const char* name, QWidget* parent) {
  auto* splitter = new QSplitter(orientation, parent);
  splitter->setObjectName(QString::fromLatin1(name));
  splitter->setHandleWidth(4);
  splitter->setChildrenCollapsible(false);
  splitter->setStyleSheet(
      QStringLiteral("QSplitter::handle { background-color: rgb(128,128,128); }"));
  return splitter;
}

QToolBar* MakeToolBar(const char* name, QWidget* parent) {
  auto* bar = new QToolBar(parent);
  bar->setObjectName(QString::fromLatin1(name));
  bar->setMovable(false);
  bar->setFloatable(false);
  bar->setIconSize({16, 16});
  bar->setStyleSheet(
      QStringLiteral("QToolBar { background-color: rgb(192,192,192); border: none; "
                     "spacing: 0px; padding: 0px; }"));
  // Last: the settings above reset the minimum height.
  bar->setFixedHeight(26);
  return bar;
}

QToolButton* AddToolButton(QToolBar* bar, const char* name, const QIcon& icon,
                           const QString& hint) {
  auto* button = new QToolButton(bar);
  button->setObjectName(QString::fromLatin1(name));
  button->setIcon(icon);
  button->setAutoRaise(true);
  button->setToolTip(hint);
  button->setFixedSize(23, 22);
  bar->addWidget(button);
  return button;
}

void AddSeparator(QToolBar* bar) {
  auto* gap = new QWidget(bar);
  gap->setFixedSize(2, 22);
  bar->addWidget(gap);
}

QLineEdit* AddEdit(QToolBar* bar, const char* name, int width, const QString& hint) {
  auto* edit = new QLineEdit(bar);
  edit->setObjectName(QString::fromLatin1(name));
  edit->setFrame(false);
  edit->setFixedSize(width, 22);
  edit->setFont(SansSerifFont(16));
  // White with black text in any palette; inside the tool bar the style
  // sheet, not the palette, is what is drawn.
  edit->setStyleSheet(QStringLiteral("QLineEdit { background: white; color: black; }"));
  edit->setToolTip(hint);
  bar->addWidget(edit);
  return edit;
}

EditSplitter* AddEditSplitter(QToolBar* bar, const char* name, QWidget* edit) {
  auto* splitter = new EditSplitter(edit, bar);
  splitter->setObjectName(QString::fromLatin1(name));
  bar->addWidget(splitter);
  return splitter;
}

}  // namespace

void TForm1::CreateLayout() {
  setWindowTitle(QStringLiteral("Korvane Trelio"));
  setWindowIcon(Picture(QStringLiteral("korvane-trelio")));
  setFont(SansSerifFont(11));
  setGeometry(kDesignedBounds.left, kDesignedBounds.top, kDesignedBounds.width,
              kDesignedBounds.height);
  // No narrower than designed.
  setMinimumSize(kDesignedBounds.width, 301);

  ImageList1 = CoinImages();
  ImageList2 = LockImages();
  ImageList3 = ListToolImages();
  ImageList4 = MenuImages();
  ImageList5 = DetailToolImages();

  Splitter2 = MakeSplitter(Qt::Vertical, "Splitter2", this);
  FillBackground(Splitter2, kGray);
  setCentralWidget(Splitter2);

  CreateCoinTabs();
  Splitter2->addWidget(PageControl1);

  Panel1 = new QWidget(Splitter2);
  Panel1->setObjectName(QStringLiteral("Panel1"));
  FillBackground(Panel1, kGray);
  auto* panel1Layout = new QHBoxLayout(Panel1);
  panel1Layout->setContentsMargins(0, 0, 0, 0);
  Splitter1 = MakeSplitter(Qt::Horizontal, "Splitter1", Panel1);
  panel1Layout->addWidget(Splitter1);
  Splitter2->addWidget(Panel1);
  Splitter2->setStretchFactor(0, 0);
  Splitter2->setStretchFactor(1, 1);

  CreateListColumn();
  CreateDetailArea();
  Splitter1->addWidget(Panel3);
  Splitter1->addWidget(Panel2);
  Splitter1->setStretchFactor(0, 0);
  Splitter1->setStretchFactor(1, 1);

  Splitter2->setSizes({100, 484});
  Splitter1->setSizes({202, 624});
}

void TForm1::CreateListColumn() {
  Panel3 = new QWidget();
  Panel3->setObjectName(QStringLiteral("Panel3"));
  Panel3->setMinimumWidth(75);
  FillBackground(Panel3, Qt::white);
  auto* layout = new QVBoxLayout(Panel3);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);

  ToolBar1 = MakeToolBar("ToolBar1", Panel3);
  AddSeparator(ToolBar1);
  ToolButton1 = AddToolButton(ToolBar1, "ToolButton1", ImageList3.Image(0),
                              QStringLiteral("Show hidden items"));
  ToolButton1->setCheckable(true);
  AddSeparator(ToolBar1);
  ToolButton2 = AddToolButton(ToolBar1, "ToolButton2", ImageList3.Image(1),
                              QStringLiteral("Browse selected item"));
  ToolButton5 = AddToolButton(ToolBar1, "ToolButton5", ImageList3.Image(2),
                              QStringLiteral("Browse next incompleted item"));
  ToolBar1->installEventFilter(this);
  layout->addWidget(ToolBar1);

  ListBox1 = new FaucetListBox(Panel3);
  ListBox1->setObjectName(QStringLiteral("ListBox1"));
  ListBox1->setFont(SansSerifFont(16));
  // White like its drawn rows, also below the last one.
  QPalette white = ListBox1->palette();
  white.setColor(QPalette::Base, Qt::white);
  ListBox1->setPalette(white);
  listDelegate_ = new FaucetListDelegate(
      [this](QPainter& painter, int index, const QRect& rect, bool selected) {
        ListBox1DrawItem(painter, index, rect, selected);
      },
      ListBox1);
  ListBox1->SetDelegate(listDelegate_);
  ListBox1->SetItemHeight(kSingleLineItemHeight);
  layout->addWidget(ListBox1, 1);

  StatusBar2 = new PanelStatusBar({66}, Panel3);
  StatusBar2->setObjectName(QStringLiteral("StatusBar2"));
  StatusBar2->installEventFilter(this);
  layout->addWidget(StatusBar2);

  connect(ToolButton1, &QToolButton::clicked, this, [this] { ToolButton1Click(); });
  connect(ToolButton2, &QToolButton::clicked, this, [this] { ToolButton2Click(); });
  connect(ToolButton5, &QToolButton::clicked, this, [this] { ToolButton5Click(); });
  connect(ListBox1, &QListWidget::currentRowChanged, this, [this](int row) {
    if (row >= 0) ListBox1Click();
  });
  connect(ListBox1, &FaucetListBox::DblClick, this, [this] { ListBox1DblClick(); });
  connect(ListBox1, &FaucetListBox::KeyPress, this, [this](QChar key) { ListBox1KeyPress(key); });
  connect(ListBox1, &FaucetListBox::MouseUp, this,
          [this](Qt::MouseButton button, const QPoint&) { ListBox1MouseUp(button); });
}

void TForm1::CreateDetailArea() {
  Panel2 = new DetailPanel();
  Panel2->setObjectName(QStringLiteral("Panel2"));

  ToolBar2 = MakeToolBar("ToolBar2", Panel2);
  AddSeparator(ToolBar2);
  ToolButton7 =
      AddToolButton(ToolBar2, "ToolButton7", ImageList5.Image(0), QStringLiteral("Go Back"));
  ToolButton9 =
      AddToolButton(ToolBar2, "ToolButton9", ImageList5.Image(1), QStringLiteral("Go Forward"));
  ToolButton10 =
      AddToolButton(ToolBar2, "ToolButton10", ImageList5.Image(2), QStringLiteral("Refresh"));
  AddSeparator(ToolBar2);
  Edit7 = AddEdit(ToolBar2, "Edit7", 200, QStringLiteral("URL"));
  Splitter3 = AddEditSplitter(ToolBar2, "Splitter3", Edit7);
  ToolButton6 =
      AddToolButton(ToolBar2, "ToolButton6", ImageList5.Image(3), QStringLiteral("Go to URL"));
  AddSeparator(ToolBar2);
  SpeedButton5 = AddToolButton(ToolBar2, "SpeedButton5", ImageList2.Image(1),
                               QStringLiteral("Lock for update"));
  SpeedButton5->setFixedSize(21, 22);
  AddSeparator(ToolBar2);
  Edit5 = AddEdit(ToolBar2, "Edit5", 200, QStringLiteral("Name of item"));
  Splitter4 = AddEditSplitter(ToolBar2, "Splitter4", Edit5);
  Edit6 = AddEdit(ToolBar2, "Edit6", 43, QStringLiteral("Interval in minutes"));
  Splitter5 = AddEditSplitter(ToolBar2, "Splitter5", Edit6);
  Edit8 = AddEdit(ToolBar2, "Edit8", 100, QString());
  Splitter6 = AddEditSplitter(ToolBar2, "Splitter6", Edit8);
  ToolButton15 =
      AddToolButton(ToolBar2, "ToolButton15", ImageList5.Image(4), QStringLiteral("Add new item"));
  for (QWidget* w : {static_cast<QWidget*>(ToolButton7), static_cast<QWidget*>(ToolButton9),
                     static_cast<QWidget*>(ToolButton10), static_cast<QWidget*>(ToolButton6),
                     static_cast<QWidget*>(SpeedButton5), static_cast<QWidget*>(ToolButton15)})
    w->setEnabled(false);
  setTabOrder(Edit6, Edit7);
  setTabOrder(Edit7, Edit5);
  setTabOrder(Edit5, Edit8);

  StatusBar1 = new PanelStatusBar({50}, Panel2);
  StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
  StatusBar1->setToolTip(QStringLiteral("Double click: browse next incompleted item"));
  StatusBar1->installEventFilter(this);
  Panel2->SetBars(ToolBar2, StatusBar1);

  MemoJsInsertAdr = new QPlainTextEdit(Panel2);
  MemoJsInsertAdr->setObjectName(QStringLiteral("MemoJsInsertAdr"));
  MemoJsInsertAdr->hide();
  MemoJsDetectInterval = new QPlainTextEdit(Panel2);
  MemoJsDetectInterval->setObjectName(QStringLiteral("MemoJsDetectInterval"));
  MemoJsDetectInterval->hide();

  for (QLineEdit* edit : {Edit5, Edit6, Edit7, Edit8}) edit->installEventFilter(this);
  connect(Panel2, &DetailPanel::Clicked, this, [this] { Panel2Click(); });
  connect(ToolButton6, &QToolButton::clicked, this, [this] { ToolButton6Click(); });
  connect(ToolButton7, &QToolButton::clicked, this, [this] { ToolButton7Click(); });
  connect(ToolButton9, &QToolButton::clicked, this, [this] { ToolButton9Click(); });
  connect(ToolButton10, &QToolButton::clicked, this, [this] { ToolButton10Click(); });
  connect(SpeedButton5, &QToolButton::clicked, this, [this] { SpeedButton5Click(); });
  connect(ToolButton15, &QToolButton::clicked, this, [this] { ToolButton15Click(); });
  connect(Edit5, &QLineEdit::textChanged, this, [this] { Edit5Change(); });
  connect(Edit6, &QLineEdit::textChanged, this, [this] { Edit6Change(); });
  connect(Edit7, &QLineEdit::textChanged, this, [this] { Edit7Change(); });
  connect(Edit8, &QLineEdit::textChanged, this, [this] { Edit8Change(); });
}

void TForm1::LoadBitmaps() {
  const qreal ratio = devicePixelRatioF();
  BannerBitmap = PicturePixmap(QStringLiteral("fh"), {175, 60}, ratio);
  for (const CoinWidgets& coin : Coins) coin.Panel->SetBanner(BannerBitmap);
  FavBitmap = PicturePixmap(QStringLiteral("fav"), {15, 15}, ratio);
  listResources_ = {FavBitmap, [](int n) {
                      return PluralWord(n, MessageText(msgMinute), MessageText(msgMinutesPlural),
                                        MessageText(msgMinutesPlural2));
                    }};
}

}  // namespace trelio
