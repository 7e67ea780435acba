// The Language menu: switching the whole interface between English and
// Russian with the language module beside the program, with a module that
// lacks a language and with none; the dialogs translating themselves; the
// choice kept for the next start.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolButton>

#include "app/core/text/Messages.h"
#include "app/platform/IniFile.h"
#include "app/platform/MakerServer.h"
#include "app/program/Application.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit2.h"
#include "app/window/Unit3.h"
#include "app/window/Unit4.h"
#include "localisation/LcUnit.h"
#include "tests/localisation/LcfTestSupport.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/window/RussianText.h"
#include "tests/support/window/StartedWindow.h"
#include "tests/support/window/Widget.h"

namespace trelio::test {
namespace {

QString Hint(MessageId first, MessageId second) {
  return MessageQString(first) + QStringLiteral("\n\r") + MessageQString(second);
}

class LanguageMenuTest : public StartedWindowTest {
 protected:
  void SetUp() override {
    StartedWindowTest::SetUp();
    // The about box checks the version at each showing: nobody answers here.
    env.Set(kMakerServerVariable, "127.0.0.1:1");
    options.programFile = options.programFolder + QStringLiteral("/korvane-trelio");
    module = options.programFolder + QStringLiteral("/korvane-trelio.lcf");
    Write(Data("settings.ini"), "[Interface]\r\nLanguage=en\r\n");
  }
  void TearDown() override {
    StartedWindowTest::TearDown();
    LcReleaseLanguage();
  }

  void InstallBuiltModule() {
    QFile::remove(module);
    ASSERT_TRUE(QFile::copy(QStringLiteral(KT_LANGUAGE_MODULE), module));
  }
  void InstallModule(const Bytes& bytes) { Write(module, std::string(bytes.begin(), bytes.end())); }

  // What the window composes itself after each switch.
  void ExpectComposedTexts(const char* language) {
    SCOPED_TRACE(language);
    EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit6")->toolTip(),
              Hint(msgHintInterval, msgHintIntervalEnterKey));
    EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar2")->toolTip(),
              Hint(msgHintStatusDoubleClick, msgHintStatusRightClick));
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Korvane Trelio v1.01"));
    EXPECT_EQ(ApplicationTitle(), form->windowTitle());
    // Qt's display name stays unset: Qt would append it to every title.
    EXPECT_EQ(QGuiApplication::applicationDisplayName(), QCoreApplication::applicationName());
  }

  ScopedEnv env;
  QString module;
};

TEST_F(LanguageMenuTest, WithoutModuleTheMarksAndCodeChangeAndTextsStayEnglish) {
  StartAll();
  test::Widget<QAction>(*form, "N12")->trigger();
  EXPECT_TRUE(test::Widget<QAction>(*form, "N12")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(*form, "Language2")->isChecked());
  EXPECT_EQ(form->Language(), "ru");
  EXPECT_EQ(test::Widget<QAction>(*form, "Exit1")->text(), QStringLiteral("Exit"));
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit6")->toolTip(),
            QStringLiteral("Interval in minutes\n\rEnter key press: try to detect the interval "
                           "automatically"));
  ExpectComposedTexts("ru without module");
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
  about->show();
  EXPECT_EQ(about->windowTitle(), QStringLiteral("About Korvane Trelio"));
  EXPECT_EQ(about->TranslatedLang, "ru");
  about->hide();

  test::Widget<QAction>(*form, "Language2")->trigger();
  EXPECT_TRUE(test::Widget<QAction>(*form, "Language2")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(*form, "N12")->isChecked());
  EXPECT_EQ(form->Language(), "en");
}

TEST_F(LanguageMenuTest, EverySwitchFollowsInWindowHintsCaptionAndList) {
  InstallBuiltModule();
  StartAll();
  struct Step {
    QAction* item;
    const char* code;
    QString exit;
    QString intervalHint;
    QString count;
  };
  const QString enHint = QStringLiteral(
      "Interval in minutes\n\rEnter key press: try to detect the interval automatically");
  const QString ruHint =
      Ru("Интервал в минутах\n\rКлавиша Enter: определить интервал автоматически");
  const std::vector<Step> steps = {
      {test::Widget<QAction>(*form, "N12"), "ru", Ru("Выход"), ruHint, Ru("0 кранов")},
      {test::Widget<QAction>(*form, "Language2"), "en", QStringLiteral("Exit"), enHint,
       QStringLiteral("0 items")},
      {test::Widget<QAction>(*form, "N12"), "ru", Ru("Выход"), ruHint, Ru("0 кранов")},
      // Choosing the active language again repeats every step.
      {test::Widget<QAction>(*form, "N12"), "ru", Ru("Выход"), ruHint, Ru("0 кранов")},
  };
  for (const Step& step : steps) {
    step.item->trigger();
    // Qt's own texts follow: the buttons of the question boxes.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"),
              step.code == std::string("ru") ? Ru("&Да") : QStringLiteral("&Yes"));
    EXPECT_EQ(form->Language(), step.code);
    EXPECT_EQ(test::Widget<QAction>(*form, "Exit1")->text(), step.exit);
    EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit6")->toolTip(), step.intervalHint);
    EXPECT_TRUE(
        test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0).startsWith(step.count))
        << test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0).toStdString();
    ExpectComposedTexts(step.code);
  }
}

TEST_F(LanguageMenuTest, ModuleLackingEnglishLeavesWindowsRussianAndHintsTurnEnglish) {
  const std::vector<Resource> resources = {
      {"LCHEADER", HeaderRecord({1049})},
      {"TFORM1", ClassTable("TFORM1", {{"Exit1-Caption", {{u"Выход"}}},
                                       {"Edit6-Hint", {{u"Не то"}}},
                                       {"Form1-Caption", {{u"Окно"}}}})},
      {"65089", StringTable({{u"Интервал в минутах"}})},
      {"65090", StringTable({{u"Клавиша Enter"}})}};
  InstallModule(BuildModule(resources));
  StartAll();
  test::Widget<QAction>(*form, "N12")->trigger();
  EXPECT_EQ(test::Widget<QAction>(*form, "Exit1")->text(), Ru("Выход"));
  // The window's own hints and caption replace what the module gave.
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit6")->toolTip(),
            Ru("Интервал в минутах\n\rКлавиша Enter"));
  ExpectComposedTexts("ru");

  test::Widget<QAction>(*form, "Language2")->trigger();
  EXPECT_EQ(form->Language(), "en");
  EXPECT_EQ(test::Widget<QAction>(*form, "Exit1")->text(), Ru("Выход"));
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit6")->toolTip(),
            QStringLiteral("Interval in minutes\n\rEnter key press: try to detect the interval "
                           "automatically"));
  ExpectComposedTexts("en");
}

// The add/save button's hint is the text of its mode in the language of
// the moment: at a Russian start, after every switch, in either mode.
TEST_F(LanguageMenuTest, AddSaveHintFollowsTheModeInEveryLanguage) {
  InstallBuiltModule();
  Write(Data("settings.ini"), "[Interface]\r\nLanguage=ru\r\n");
  Start();
  EXPECT_EQ(test::Widget<QToolButton>(*form, "ToolButton15")->toolTip(), Ru("Добавить новый кран"));
  test::Widget<QAction>(*form, "Language2")->trigger();
  EXPECT_EQ(test::Widget<QToolButton>(*form, "ToolButton15")->toolTip(),
            QStringLiteral("Add new item"));
  form->SetAddSaveMode(AddSaveMode::Save);
  EXPECT_EQ(test::Widget<QToolButton>(*form, "ToolButton15")->toolTip(),
            QStringLiteral("Save the item"));
  test::Widget<QAction>(*form, "N12")->trigger();
  EXPECT_EQ(test::Widget<QToolButton>(*form, "ToolButton15")->toolTip(), Ru("Сохранить кран"));
  EXPECT_TRUE(form->AddSaveInSaveMode());
  test::Widget<QAction>(*form, "Language2")->trigger();
  EXPECT_EQ(test::Widget<QToolButton>(*form, "ToolButton15")->toolTip(),
            QStringLiteral("Save the item"));
}

// Each dialog translates itself on its first show after a change of
// language, and not again while the language stays.
TEST_F(LanguageMenuTest, DialogsTranslateOnceALanguage) {
  InstallBuiltModule();
  StartAll();
  struct Case {
    QDialog* dialog;
    QString english;
    QString russian;
  };
  const std::vector<Case> cases = {
      {about.get(), QStringLiteral("About Korvane Trelio"), Ru("О программе Korvane Trelio")},
      {progress.get(), QStringLiteral("Update Progress"), Ru("Обновление индекса")},
      {settings.get(), QStringLiteral("Settings"), Ru("Настройки")},
  };
  test::Widget<QAction>(*form, "N12")->trigger();
  for (const Case& c : cases) {
    c.dialog->show();
    EXPECT_EQ(c.dialog->windowTitle(), c.russian);
    c.dialog->setWindowTitle(QStringLiteral("moved on"));
    c.dialog->hide();
    c.dialog->show();
    EXPECT_EQ(c.dialog->windowTitle(), QStringLiteral("moved on"));
    c.dialog->hide();
  }
  test::Widget<QAction>(*form, "Language2")->trigger();
  for (const Case& c : cases) {
    c.dialog->show();
    EXPECT_EQ(c.dialog->windowTitle(), c.english);
    c.dialog->hide();
  }
  EXPECT_EQ(settings->ValueListEditor1->horizontalHeaderItem(1)->text(),
            QStringLiteral("Interval"));
}

// The about box's status line starts each showing from its translated
// design text.
TEST_F(LanguageMenuTest, AboutBoxChecksInItsLanguage) {
  InstallBuiltModule();
  StartAll();
  test::Widget<QAction>(*form, "N12")->trigger();
  about->show();
  EXPECT_TRUE(about->Label4->text().startsWith(Ru("Проверка новой версии...")))
      << about->Label4->text().toStdString();
  EXPECT_EQ(about->Label1->text(), Ru("версия 1.01"));
  about->hide();
  about->show();
  EXPECT_TRUE(about->Label4->text().startsWith(Ru("Проверка новой версии...")));
  about->hide();
}

TEST_F(LanguageMenuTest, LanguageIsKeptAndAppliedAtNextStart) {
  InstallBuiltModule();
  test::Widget<QAction>(Start(), "N12")->trigger();
  Stop();
  // Qt's own texts are English again once the window is gone.
  EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes"), QStringLiteral("&Yes"));
  EXPECT_EQ(IniFile::Load(QFile::encodeName(Data("settings.ini")).toStdString())
                .ReadString("Interface", "Language", ""),
            "ru");
  TForm1& f = Start();
  EXPECT_TRUE(test::Widget<QAction>(f, "N12")->isChecked());
  EXPECT_FALSE(test::Widget<QAction>(f, "Language2")->isChecked());
  EXPECT_EQ(test::Widget<QAction>(f, "Exit1")->text(), Ru("Выход"));
  EXPECT_EQ(test::Widget<QLineEdit>(f, "Edit6")->toolTip(),
            Ru("Интервал в минутах\n\rКлавиша Enter: определить интервал автоматически"));
  ExpectComposedTexts("ru at start");
}

}  // namespace
}  // namespace trelio::test
