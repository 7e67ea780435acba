// The three file dialogs of the main window are made when first shown, with
// the settings they had when they were made with the window.
#include <QFileDialog>

#include "app/core/index/IndexExport.h"
#include "app/widgets/LcQtForm.h"
#include "localisation/LcUnit.h"
#include "tests/support/window/Widget.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio::test {
namespace {

struct Shown {
  QFileDialog* dialog;
  QFileDialog::AcceptMode acceptMode;
  QFileDialog::FileMode fileMode;
  QStringList nameFilters;
  bool confirmsOverwrite;
  QString offered;
};

class FileDialogsTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    form->UserPrompts().chooseFile = [this](QFileDialog& d) -> std::optional<QString> {
      shown.push_back({&d, d.acceptMode(), d.fileMode(), d.nameFilters(),
                       !d.testOption(QFileDialog::DontConfirmOverwrite),
                       QFileInfo(d.selectedFiles().value(0)).fileName()});
      return std::nullopt;
    };
  }
  std::vector<Shown> shown;
};

TEST_F(FileDialogsTest, AreMadeOnFirstUseWithTheirSettings) {
  EXPECT_TRUE(form->findChildren<QFileDialog*>().isEmpty());
  // The components carry the names and settings from the start.
  EXPECT_EQ(form->findChild<FileDialogComponent*>("SaveDialog2"),
            test::Widget<FileDialogComponent>(*form, "SaveDialog2"));
  EXPECT_FALSE(test::Widget<FileDialogComponent>(*form, "SaveDialog1")
                   ->testOption(QFileDialog::DontConfirmOverwrite));

  form->Load2Click();
  form->Save1Click();
  form->SaveFullIndextofile1Click();
  form->Load2Click();
  ASSERT_EQ(shown.size(), 4u);
  const Shown& open = shown[0];
  EXPECT_EQ(open.acceptMode, QFileDialog::AcceptOpen);
  EXPECT_EQ(open.fileMode, QFileDialog::ExistingFile);
  EXPECT_EQ(open.nameFilters,
            QStringList({"Comma separated values (CSV) files (*.csv)", "All files (*)"}));
  for (const Shown* save : {&shown[1], &shown[2]}) {
    EXPECT_EQ(save->acceptMode, QFileDialog::AcceptSave);
    EXPECT_EQ(save->fileMode, QFileDialog::AnyFile);
    EXPECT_TRUE(save->confirmsOverwrite);
  }
  EXPECT_EQ(shown[1].offered, kIndexExportFileName);
  EXPECT_EQ(shown[2].offered, kFullIndexExportFileName);

  // One dialog each, owned by the window, made once.
  EXPECT_EQ(shown[3].dialog, open.dialog);
  EXPECT_NE(shown[1].dialog, shown[2].dialog);
  EXPECT_EQ(form->findChildren<QFileDialog*>().size(), 3);
  for (const Shown& s : shown) EXPECT_EQ(s.dialog->parentWidget(), form.get());
}

TEST_F(FileDialogsTest, SettingsMadeLaterReachAMadeDialog) {
  form->Save1Click();
  ASSERT_EQ(shown.size(), 1u);
  test::Widget<FileDialogComponent>(*form, "SaveDialog1")
      ->setOption(QFileDialog::DontConfirmOverwrite);
  EXPECT_TRUE(shown[0].dialog->testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_TRUE(test::Widget<FileDialogComponent>(*form, "SaveDialog1")
                  ->testOption(QFileDialog::DontConfirmOverwrite));
  test::Widget<FileDialogComponent>(*form, "SaveDialog1")
      ->setOption(QFileDialog::DontConfirmOverwrite, false);
  form->Save1Click();
  EXPECT_TRUE(shown[1].confirmsOverwrite);
}

// The open dialog's filter is a window text: in Russian its file kinds are
// Russian, before the dialog is made and after.
TEST_F(FileDialogsTest, FilterFollowsTheLanguage) {
  auto translate = [this](int32_t lcid) {
    ASSERT_EQ(LcLoadLanguage(KT_LANGUAGE_MODULE, lcid, nullptr, 0), 1);
    LcTranslateForm(form.get());
  };
  translate(1049);
  form->Load2Click();
  translate(1033);
  form->Load2Click();
  translate(1049);
  form->Load2Click();
  LcReleaseLanguage();
  ASSERT_EQ(shown.size(), 3u);
  const QStringList russian = {QString::fromUtf8("Файлы CSV (*.csv)"),
                               QString::fromUtf8("Все файлы (*)")};
  EXPECT_EQ(shown[0].nameFilters, russian);
  EXPECT_EQ(shown[1].nameFilters,
            QStringList({"Comma separated values (CSV) files (*.csv)", "All files (*)"}));
  EXPECT_EQ(shown[2].nameFilters, russian);
}

}  // namespace
}  // namespace trelio::test
