// Translating the real Qt windows with a small module: the keys reach the
// window itself, menu items inside their menus, tab texts, status bar panels
// and grid titles, and nothing of another window or past the last item.
#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTabWidget>
#include <QTableWidget>

#include "app/widgets/LcQtForm.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/window/Unit2.h"
#include "app/window/Unit4.h"
#include "localisation/LcUnit.h"
#include "tests/localisation/LcfTestSupport.h"
#include "tests/support/window/RussianText.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio::test {
namespace {

using test::Ru;

Entry Ru(const std::string& key, const std::u16string& russian) {
  return {key, {{u"", -1}, {russian}}};
}

class QtFormTranslationTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    about = std::make_unique<TAboutBox>(*form);
    settings = std::make_unique<TOKBottomDlg1>(*form);
    // The main window registers its own status bars' panels on its first
    // switch of language.
    test::Widget<QAction>(*form, "Language2")->trigger();
  }
  void TearDown() override {
    LcReleaseLanguage();
    about.reset();
    settings.reset();
    WindowFixture::TearDown();
  }

  void Load(const std::vector<Resource>& tables) {
    std::vector<Resource> resources = {{"LCHEADER", HeaderRecord({1033, 1049})}};
    resources.insert(resources.end(), tables.begin(), tables.end());
    const Bytes module = BuildModule(resources);
    WriteBytes(data / "test.lcf", std::string(module.begin(), module.end()));
    ASSERT_EQ(LcLoadLanguage(data / "test.lcf", 1049, nullptr, 0), 1);
  }

  std::unique_ptr<TAboutBox> about;
  std::unique_ptr<TOKBottomDlg1> settings;
};

TEST_F(QtFormTranslationTest, KeysReachTheirWidgetsAndNothingElse) {
  Load({{"TFORM",
         ClassTable("TFORM", {Ru("CancelBtn-Caption", u"Отмена"), Ru("AboutBox-Caption", u"Нет")})},
        {"TFORM1",
         ClassTable(
             "TFORM1",
             {Ru("form1-CAPTION", u"Окно"), Ru("EXIT1-caption", u"Выход"),
              Ru("Language1-Caption", u"Язык"), Ru("TabSheet3-Caption", u"Лайт"),
              Ru("Edit5-Hint", u"Первое"), Ru("Edit5-Hint", u"Второе"), Ru("Edit7-Text", u"адрес"),
              Ru("StatusBar1-Panels<0>.Text", u"Панель"),
              Ru("StatusBar1-Panels<1>.Text", u"Лишняя"), Ru("StatusBar1-Panels<0>", u"Никуда"),
              Ru("CheckBox4-Caption", u"Чужой"), Ru("Label1-Caption", u"Чужая")})},
        {"TOKBOTTOMDLG1",
         ClassTable("TOKBOTTOMDLG1", {Ru("ValueListEditor1-TitleCaptions(1).Text", u"Интервал"),
                                      Ru("ValueListEditor1-TitleCaptions(2).Text", u"Лишний"),
                                      Ru("ValueListEditor1-TitleCaptions", u"Никуда")})}});

  EXPECT_TRUE(LcTranslateForm(form.get()));
  EXPECT_EQ(form->windowTitle(), Ru("Окно"));
  EXPECT_EQ(test::Widget<QAction>(*form, "Exit1")->text(), Ru("Выход"));
  EXPECT_EQ(test::Widget<QMenu>(*form, "Language1")->menuAction()->text(), Ru("Язык"));
  EXPECT_EQ(test::Widget<QTabWidget>(*form, "PageControl1")->tabText(1), Ru("Лайт"));
  // Of two entries for one property, the first of the table stays.
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit5")->toolTip(), Ru("Первое"));
  EXPECT_EQ(test::Widget<QLineEdit>(*form, "Edit7")->text(), Ru("адрес"));
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar1")->PanelCount(), 1);
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar1")->PanelText(0), Ru("Панель"));
  // The dialogs' components are theirs, not the main window's.
  EXPECT_EQ(settings->CheckBox4->text(), QStringLiteral("Process results without payment"));
  EXPECT_EQ(about->Label1->text(), QStringLiteral("version "));

  // The settings dialog: the ancestors' table first, then its own.
  EXPECT_TRUE(LcTranslateForm(settings.get()));
  EXPECT_EQ(settings->CancelBtn->text(), Ru("Отмена"));
  EXPECT_EQ(settings->ValueListEditor1->horizontalHeaderItem(0)->text(), QStringLiteral("Message"));
  EXPECT_EQ(settings->ValueListEditor1->horizontalHeaderItem(1)->text(), Ru("Интервал"));
  EXPECT_EQ(settings->ValueListEditor1->columnCount(), 2);

  // The about box has no table of its own: the ancestors' entries stay out.
  EXPECT_FALSE(LcTranslateForm(about.get()));
  EXPECT_EQ(about->windowTitle(), QStringLiteral("About Korvane Trelio"));
}

// A key names a whole component, in any ASCII case: no prefix of a name and
// no longer name reaches it.
TEST_F(QtFormTranslationTest, KeysNameWholeComponents) {
  auto* label = new QLabel(QStringLiteral("kept"), form.get());
  label->setObjectName(QStringLiteral("NoteLabel"));
  Load({{"TFORM1", ClassTable("TFORM1", {Ru("NoteLabe-Caption", u"Короче"),
                                         Ru("NoteLabel1-Caption", u"Длиннее")})}});
  LcTranslateForm(form.get());
  EXPECT_EQ(label->text(), QStringLiteral("kept"));

  LcReleaseLanguage();
  Load({{"TFORM1", ClassTable("TFORM1", {Ru("nOTElABEL-Caption", u"Найдена")})}});
  LcTranslateForm(form.get());
  EXPECT_EQ(label->text(), Ru("Найдена"));
}

}  // namespace
}  // namespace trelio::test
