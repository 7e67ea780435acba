// A main window over fake browsers, with its index files in a scratch folder,
// its questions answered by the test and the maker's server played by a local
// test server.
#pragma once

#include <gtest/gtest.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QMenu>
#include <QtTest/QTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "app/core/index/UrlKey.h"
#include "app/platform/MakerServer.h"
#include "app/widgets/FaucetListBox.h"
#include "app/window/Unit1.h"
#include "tests/support/ScopedEnv.h"
#include "tests/support/ScratchFolder.h"
#include "tests/support/TestHttpServer.h"
#include "tests/support/window/EventLoopWait.h"
#include "tests/support/window/FakeBrowser.h"
#include "tests/support/window/Widget.h"

namespace trelio::test {

// The texts of the list's entries, top to bottom.
inline std::vector<std::string> ListedNames(const TForm1& form) {
  std::vector<std::string> names;
  for (int i = 0; i < test::Widget<FaucetListBox>(form, "ListBox1")->count(); ++i)
    names.push_back(test::Widget<FaucetListBox>(form, "ListBox1")->item(i)->text().toStdString());
  return names;
}

class WindowFixture : public ::testing::Test {
 protected:
  void SetUp() override {
    server.Serve("/trelio/a.php", "ok");
    env.Set(kMakerServerVariable, server.Host().c_str());
    form = std::make_unique<TForm1>(browsers);
    form->IndexAndFiles().files = IndexFilePaths::InFolder(data.path());
    form->UserPrompts().confirm = [this](QWidget*, const QString& question) {
      questions << question;
      return answerYes;
    };
    form->UserPrompts().error = [this](QWidget*, const QString& text) { errors << text; };
    form->UserPrompts().input = [this](QWidget*, const QString& caption, const QString& prompt,
                                       const QString&) {
      inputs << caption + QStringLiteral(" | ") + prompt;
      return inputAnswer;
    };
    form->UserPrompts().chooseFile = [this](QFileDialog& dialog) {
      offered << QFileInfo(dialog.selectedFiles().value(0)).fileName();
      return chosenFile;
    };
    form->show();
    QCoreApplication::processEvents();
  }
  void TearDown() override {
    if (form)
      for (QMenu* menu : form->findChildren<QMenu*>()) menu->close();
    form.reset();
  }

  // Appends a row of the coin to the index and its URL key to the table.
  FaucetItem& AddRow(const std::string& name, const std::string& url,
                     const std::string& coin = "bitcoin") {
    FaucetItem& row = form->Rows().Append();
    const int r = form->Rows().RowCount() - 1;
    row.Edit(fCurrency) = coin;
    row.Edit(fName) = name;
    row.Edit(fUrl) = url;
    row.Edit(fInterval) = "60";
    row.Edit(fPosition) = std::to_string(r);
    form->RowsByUrl().SetItem(StripReferral(url), r);
    return row;
  }

  // Clicks the list entry: it becomes the current item with its fields.
  void Select(int position) {
    test::Widget<FaucetListBox>(*form, "ListBox1")->setCurrentRow(position);
  }

  int PositionOf(const FaucetItem& row) const {
    for (int i = 0; i < test::Widget<FaucetListBox>(*form, "ListBox1")->count(); ++i)
      if (test::Widget<FaucetListBox>(*form, "ListBox1")->Row(i) == &row) return i;
    return -1;
  }

  std::vector<std::string> ListedNames() const { return test::ListedNames(*form); }

  // The queries of the first n requests to the server, sorted: the reports
  // travel on threads of their own, in no fixed order.
  std::vector<std::string> Reports(size_t n) {
    EXPECT_TRUE(test::WaitUntil([&] { return server.RequestCount() >= n; }));
    std::vector<std::string> queries;
    for (const RecordedRequest& r : server.Requests()) {
      EXPECT_EQ(r.path, "/trelio/a.php");
      queries.push_back(r.query);
    }
    std::sort(queries.begin(), queries.end());
    return queries;
  }

  ScopedEnv env;
  TestHttpServer server;
  ScratchFolder data;
  FakeBrowserFactory browsers;
  std::unique_ptr<TForm1> form;

  bool answerYes = true;
  std::optional<QString> inputAnswer;
  std::optional<QString> chosenFile;
  QStringList questions;
  QStringList errors;
  QStringList inputs;
  QStringList offered;  // the file names the dialogs offered
};

}  // namespace trelio::test
