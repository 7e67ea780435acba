// What the windows look like to the user beyond their layout: exact titles,
// fixed dialog frames, hints and boxes with LF CR line breaks, readable text
// under a dark system palette, labels laid out again after a translation.
#include <QApplication>
#include <QFileSystemModel>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>
#include <QToolTip>
#include <QWindow>
#include <functional>

#include "app/platform/MakerServer.h"
#include "app/program/Application.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/window/Unit2.h"
#include "app/window/Unit3.h"
#include "app/window/Unit4.h"
#include "localisation/LcUnit.h"
#include "tests/localisation/LcfTestSupport.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"

namespace trelio::test {
namespace {

// The modal box a call puts up, as it stands while shown; closed at once.
struct ShownBox {
  QString title;
  QString text;
  Qt::WindowFlags flags;
};
ShownBox BoxOf(const std::function<void()>& show) {
  ShownBox shown;
  QTimer::singleShot(0, [&] {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box) return;
    shown = {box->windowTitle(), box->text(), box->windowHandle()->flags()};
    box->done(0);
  });
  show();
  return shown;
}

// A title bar with the close box only: without CustomizeWindowHint the
// window manager chooses the buttons, and adds minimize and maximize.
void ExpectFixedFrame(Qt::WindowFlags flags, const char* what) {
  SCOPED_TRACE(what);
  EXPECT_TRUE(flags.testFlag(Qt::CustomizeWindowHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowTitleHint));
  EXPECT_TRUE(flags.testFlag(Qt::WindowCloseButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMinimizeButtonHint));
  EXPECT_FALSE(flags.testFlag(Qt::WindowMaximizeButtonHint));
}

QPalette DarkPalette() {
  QPalette p(QColor(53, 53, 53));
  for (auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText,
                    QPalette::ToolTipText, QPalette::BrightText})
    p.setColor(role, Qt::white);
  p.setColor(QPalette::Base, QColor(42, 42, 42));
  return p;
}

// The largest difference in grey level between the commonest colour (the
// background) of a widget's place in its parent and any of its pixels: text
// that can be read stands far from its background.
int TextContrast(QWidget& widget) {
  QWidget& parent = *widget.parentWidget();
  const QImage image = parent.grab(widget.geometry()).toImage();
  QHash<QRgb, int> counts;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x) ++counts[image.pixel(x, y)];
  QRgb background = 0;
  int most = 0;
  for (auto it = counts.begin(); it != counts.end(); ++it)
    if (it.value() > most) std::tie(background, most) = std::pair(it.key(), it.value());
  int contrast = 0;
  for (auto it = counts.begin(); it != counts.end(); ++it)
    contrast = std::max(contrast, std::abs(qGray(it.key()) - qGray(background)));
  return contrast;
}

class WindowFramesTest : public StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    env.Set(kMakerServerVariable, "127.0.0.1:1");
  }
  void TearDown() override {
    StartedWindowTest::TearDown();
    LcReleaseLanguage();
  }

  ScopedEnv env;
};

TEST_F(WindowFramesTest, DialogTitlesAreTheirOwnAndBoxesCarryTheApplicationTitle) {
  TForm1& f = StartAll();
  // Qt appends its display name, once set, to the title of every window.
  EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
  EXPECT_EQ(ApplicationTitle(), QStringLiteral("Korvane Trelio v1.01"));
  EXPECT_EQ(f.windowTitle(), QStringLiteral("Korvane Trelio v1.01"));
  EXPECT_EQ(about->windowTitle(), QStringLiteral("About Korvane Trelio"));
  EXPECT_EQ(progress->windowTitle(), QStringLiteral("Update Progress"));
  EXPECT_EQ(settings->windowTitle(), QStringLiteral("Settings"));

  // The standard boxes: the application title, the fixed frame, and one
  // line break for each LF CR of their text.
  App().SetErrorBox({});
  const WindowPrompts standard = WindowPrompts::Standard();
  const ShownBox error =
      BoxOf([&] { standard.error(&f, QStringLiteral("URL not entered.\n\rName not entered.")); });
  const ShownBox question = BoxOf([&] { standard.confirm(&f, QStringLiteral("Sure?")); });
  const ShownBox failure = BoxOf([] { ShowErrorBox(QStringLiteral("Disk full\n\rTry again")); });
  for (const ShownBox* box : {&error, &question, &failure}) {
    EXPECT_EQ(box->title, QStringLiteral("Korvane Trelio v1.01"));
    ExpectFixedFrame(box->flags, "message box");
  }
  EXPECT_EQ(error.text, QStringLiteral("URL not entered.\nName not entered."));
  EXPECT_EQ(failure.text, QStringLiteral("Disk full\nTry again."));
}

TEST_F(WindowFramesTest, DialogsHaveAFixedFrame) {
  StartAll();
  const std::pair<QDialog*, const char*> dialogs[] = {
      {about.get(), "about"}, {settings.get(), "settings"}, {progress.get(), "progress"}};
  for (const auto& [dialog, name] : dialogs) {
    dialog->winId();
    ExpectFixedFrame(dialog->windowHandle()->flags(), name);
    EXPECT_EQ(dialog->minimumSize(), dialog->maximumSize()) << name;
    EXPECT_EQ(dialog->windowHandle()->minimumSize(), dialog->windowHandle()->maximumSize()) << name;
  }
}

TEST_F(WindowFramesTest, TwoLineHintsShowOneLineBreak) {
  TForm1& f = Start();
  for (QWidget* widget : {static_cast<QWidget*>(test::Widget<QLineEdit>(f, "Edit6")),
                          static_cast<QWidget*>(test::Widget<PanelStatusBar>(f, "StatusBar2"))}) {
    const QString hint = widget->toolTip();
    ASSERT_TRUE(hint.contains(QStringLiteral("\n\r")));
    const QPoint at = widget->rect().center();
    QHelpEvent event(QEvent::ToolTip, at, widget->mapToGlobal(at));
    QApplication::sendEvent(widget, &event);
    EXPECT_EQ(QToolTip::text(),
              QString(hint).replace(QStringLiteral("\n\r"), QStringLiteral("\n")));
    // The text itself keeps its bytes.
    EXPECT_EQ(widget->toolTip(), hint);
    QToolTip::hideText();
  }
}

TEST_F(WindowFramesTest, TextOnFixedBackgroundsStaysReadableUnderADarkPalette) {
  const QPalette before = QApplication::palette();
  QApplication::setPalette(DarkPalette());
  TForm1& f = StartAll();
  test::Widget<PanelStatusBar>(f, "StatusBar1")
      ->SetPanelText(0, QStringLiteral("Connection refused"));
  test::Widget<PanelStatusBar>(f, "StatusBar2")
      ->SetPanelText(0, QStringLiteral("Connection refused | 0 items"));
  test::Widget<QLineEdit>(f, "Edit5")->setText(QStringLiteral("Faucet name"));
  test::Widget<QLineEdit>(f, "Edit7")->setText(QStringLiteral("http://example.org/"));
  CoinPanel& coin = *test::CoinPanelAt(f, 0);
  test::AddressEditAt(f, 0)->setText(QStringLiteral("1BitcoinAddress"));
  about->show();
  QCoreApplication::processEvents();
  const std::pair<QWidget*, const char*> texts[] = {
      {test::Widget<PanelStatusBar>(f, "StatusBar1"), "StatusBar1"},
      {test::Widget<PanelStatusBar>(f, "StatusBar2"), "StatusBar2"},
      {test::Widget<QLineEdit>(f, "Edit5"), "Edit5"},
      {test::Widget<QLineEdit>(f, "Edit7"), "Edit7"},
      {test::Widget<QLabel>(coin, "YourLabel1"), "Your"},
      {test::Widget<QLabel>(coin, "AddressLabel1"), "address"},
      {test::AddressEditAt(f, 0), "address edit"},
      {about->ProductName, "ProductName"},
      {about->Label1, "version"},
      {about->Label4, "checking"}};
  for (const auto& [widget, name] : texts) EXPECT_GT(TextContrast(*widget), 120) << name;
  about->hide();
  QApplication::setPalette(before);
}

TEST_F(WindowFramesTest, AddressLabelAndCoinLinkAreLaidOutAfterATranslation) {
  options.programFile = options.programFolder + QStringLiteral("/korvane-trelio");
  const std::vector<Resource> resources = {
      {"LCHEADER", HeaderRecord({1049})},
      {"TFORM1", ClassTable("TFORM1", {{"YourLabel1-Caption", {{u"ПЕРВЫЙ "}}},
                                       {"AddressLabel1-Caption", {{u"адрес кошелька: "}}}})}};
  const Bytes module = BuildModule(resources);
  Write(options.programFolder + QStringLiteral("/korvane-trelio.lcf"),
        std::string(module.begin(), module.end()));
  TForm1& f = Start();
  test::Widget<QAction>(f, "N12")->trigger();
  QLabel* your = test::Widget<QLabel>(f, "YourLabel1");
  QLabel* name = test::NameLabelAt(f, 0);
  QLabel* address = test::Widget<QLabel>(f, "AddressLabel1");
  ASSERT_EQ(your->text(), QString::fromUtf8("ПЕРВЫЙ "));
  for (QLabel* label : {your, name, address})
    EXPECT_GE(label->width(), label->sizeHint().width()) << label->text().toStdString();
  EXPECT_LT(your->geometry().right(), name->x());
  EXPECT_LT(name->geometry().right(), address->x());
  EXPECT_EQ(your->x(), 8);
}

TEST_F(WindowFramesTest, AClosedFileDialogWatchesNoFolder) {
  TForm1& f = Start();
  QFileDialog& dialog = test::Widget<FileDialogComponent>(f, "SaveDialog1")->Dialog();
  QFileSystemModel* model = dialog.findChild<QFileSystemModel*>();
  ASSERT_NE(model, nullptr);
  bool watchedWhileShown = false;
  QTimer::singleShot(0, &dialog, [&] {
    watchedWhileShown = !model->testOption(QFileSystemModel::DontWatchForChanges);
    dialog.reject();
  });
  dialog.setDirectory(root.path());
  dialog.exec();
  EXPECT_TRUE(watchedWhileShown);
  EXPECT_TRUE(model->testOption(QFileSystemModel::DontWatchForChanges));
}

}  // namespace
}  // namespace trelio::test
