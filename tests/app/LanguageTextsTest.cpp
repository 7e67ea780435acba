// With Russian selected, the message texts the window shows are Russian and
// readable whatever the system locale, while faucet names keep their display.
#include <QMenu>
#include <QToolButton>

#include "app/core/about/VersionCheck.h"
#include "app/widgets/DetailPanel.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"
#include "localisation/LcUnit.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio::test {
namespace {

class LanguageTextsTest : public WindowFixture, public ::testing::WithParamInterface<const char*> {
 protected:
  void SetUp() override {
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) env.Set(name, GetParam());
    WindowFixture::SetUp();
    ASSERT_EQ(LcLoadLanguage(KT_LANGUAGE_MODULE, 1049, nullptr, 0), 1);
  }
  void TearDown() override {
    LcReleaseLanguage();
    WindowFixture::TearDown();
  }
};

TEST_P(LanguageTextsTest, RussianMessagesReadAsRussian) {
  // "Café" in the system code page: its display depends on the system, as before.
  const std::string name = "Caf\xE9";
  const QString shownName = AnsiToQString(name);
  FaucetItem& cafe = AddRow(name, "http://cafe.example/");
  cafe.Edit(fLastPayout) = "0.001";
  AddRow("Plain", "http://plain.example/");
  form->RebuildList();
  EXPECT_EQ(test::Widget<PanelStatusBar>(*form, "StatusBar2")->PanelText(0),
            QString::fromUtf8("2 крана — сортировка по убыванию последней выплаты"));

  Select(PositionOf(cafe));
  test::Widget<QAction>(*form, "Nocompleted1")->trigger();
  EXPECT_EQ(test::Widget<DetailPanel>(*form, "Panel2")->Caption(),
            shownName + QString::fromUtf8(" (ещё 61 мин.)"));
  QTest::mouseClick(test::Widget<FaucetListBox>(*form, "ListBox1")->viewport(), Qt::RightButton,
                    Qt::NoModifier,
                    test::Widget<FaucetListBox>(*form, "ListBox1")
                        ->visualItemRect(test::Widget<FaucetListBox>(*form, "ListBox1")->item(0))
                        .center());
  EXPECT_EQ(test::Widget<QAction>(*form, "Load1")->text(),
            QString::fromUtf8("Открыть \"") + shownName + "\"");
  EXPECT_EQ(test::Widget<QAction>(*form, "Nocompleted1")->text(),
            QString::fromUtf8("Отметить как невыполненный"));
  test::Widget<QMenu>(*form, "PopupMenu1")->close();

  EXPECT_EQ(Utf16ToQString(VersionCheckResultFor(101).statusText),
            QString::fromUtf8("Korvane Trelio не требует обновления."));
  EXPECT_EQ(Utf16ToQString(VersionLabelText()), QString::fromUtf8("версия 1.01"));

  form->ResetEditor();
  errors.clear();
  form->ToolButton15Click();
  ASSERT_EQ(errors.size(), 1);
  EXPECT_EQ(errors.front(), QString::fromUtf8("Не введён URL.\n\rНе введено название крана.\n\r"
                                              "Не введён интервал в минутах."));
}

INSTANTIATE_TEST_SUITE_P(SystemLocales, LanguageTextsTest,
                         ::testing::Values("en_US.UTF-8", "ru_RU.UTF-8", "C.UTF-8"));

}  // namespace
}  // namespace trelio::test
