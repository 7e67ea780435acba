// The window texts of the built language module against the real windows:
// every key leads the engine to a text of its window that it writes, English
// gives back exactly the texts the windows are built with, and the coin
// names stay what they are.
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QMenu>
#include <QTabWidget>
#include <QTableWidget>
#include <algorithm>
#include <filesystem>
#include <map>

#include "app/core/coins/CoinTable.h"
#include "app/widgets/FileDialogComponent.h"
#include "app/widgets/LcQtForm.h"
#include "app/window/Unit2.h"
#include "app/window/Unit3.h"
#include "app/window/Unit4.h"
#include "localisation/LcUnit.h"
#include "localisation/pack/TranslationSource.h"
#include "tests/localisation/LcfTestSupport.h"
#include "tests/support/window/WindowFixture.h"

namespace trelio::test {
namespace {

// Every text a window shows and the engine may write, by object: captions,
// titles, hints, tab texts, column titles and file kinds.
std::map<QString, QString> Texts(QWidget* window) {
  std::map<QString, QString> texts;
  std::function<void(QObject*, const QString&)> walk = [&](QObject* o, const QString& path) {
    const QString here = path + QLatin1Char('/') + o->objectName() + QLatin1Char('[') +
                         QString::fromLatin1(o->metaObject()->className()) + QLatin1Char(']');
    for (const char* property : {"text", "title", "toolTip", "windowTitle"}) {
      const QVariant value = o->property(property);
      if (value.isValid())
        texts[here + QLatin1Char('.') + QLatin1String(property)] = value.toString();
    }
    if (auto* tabs = qobject_cast<QTabWidget*>(o))
      for (int i = 0; i < tabs->count(); ++i)
        texts[here + QStringLiteral(".tab%1").arg(i)] = tabs->tabText(i);
    if (auto* table = qobject_cast<QTableWidget*>(o))
      for (int i = 0; i < table->columnCount(); ++i)
        if (QTableWidgetItem* item = table->horizontalHeaderItem(i))
          texts[here + QStringLiteral(".title%1").arg(i)] = item->text();
    if (auto* dialog = qobject_cast<FileDialogComponent*>(o))
      texts[here + QStringLiteral(".filter")] = dialog->Filter();
    int n = 0;
    for (QObject* child : o->children()) {
      auto* w = qobject_cast<QWidget*>(child);
      if (w && w->isWindow() && !qobject_cast<QMenu*>(w)) continue;
      walk(child, here + QStringLiteral("#%1").arg(n++));
    }
  };
  walk(window, QString());
  return texts;
}

class LanguageEntriesTest : public WindowFixture {
 protected:
  void SetUp() override {
    WindowFixture::SetUp();
    about = std::make_unique<TAboutBox>(*form);
    progress = std::make_unique<TOKBottomDlg>(*form);
    settings = std::make_unique<TOKBottomDlg1>(*form);
    windows = {{"TOKBOTTOMDLG", progress.get()},
               {"TFORM1", form.get()},
               {"TABOUTBOX", about.get()},
               {"TOKBOTTOMDLG1", settings.get()}};
  }
  void TearDown() override {
    LcReleaseLanguage();
    about.reset();
    progress.reset();
    settings.reset();
    WindowFixture::TearDown();
  }

  std::unique_ptr<TAboutBox> about;
  std::unique_ptr<TOKBottomDlg> progress;
  std::unique_ptr<TOKBottomDlg1> settings;
  std::map<std::string, QWidget*> windows;
};

// Each entry is written as the translation writes it, with a text of its
// own that must then stand somewhere in its window.
TEST_F(LanguageEntriesTest, EveryEntryWritesATextOfItsWindow) {
  const lcfpack::TranslationSources sources = ReadSources();
  for (const auto& [className, rows] : sources.classes) {
    ASSERT_TRUE(windows.count(className)) << "no window of class " << className;
    QWidget* window = windows.at(className);
    for (const int32_t lcid : sources.lcids) {
      ASSERT_EQ(LcLoadLanguage(KT_LANGUAGE_MODULE, lcid, nullptr, 0), 1);
      const std::shared_ptr<const TLcf> language = LcActiveLanguage();
      const auto entries = language->ReadClassTable(className, language->Column);
      ASSERT_TRUE(entries) << className;
      EXPECT_EQ(entries->size(), rows.size()) << className;
      LcQtForm qtForm(window);
      int n = 0;
      for (const LcfEntry& e : *entries) {
        const std::string mark = "entry " + std::to_string(lcid) + "/" + std::to_string(n++);
        const TProp prop{e.component, e.path, std::u16string(mark.begin(), mark.end()), true};
        LcApplyEntry(prop, language->CodePage, qtForm);
        const std::map<QString, QString> texts = Texts(window);
        EXPECT_TRUE(
            std::any_of(texts.begin(), texts.end(),
                        [&](const auto& t) { return t.second == QString::fromStdString(mark); }))
            << className << " " << e.component << "-" << e.path << " writes nothing";
      }
    }
  }
}

TEST_F(LanguageEntriesTest, EnglishGivesBackTheBuiltTexts) {
  std::map<std::string, std::map<QString, QString>> before;
  for (const auto& [className, window] : windows) before[className] = Texts(window);
  ASSERT_EQ(LcLoadLanguage(KT_LANGUAGE_MODULE, 1033, nullptr, 0), 1);
  for (const auto& [className, window] : windows) {
    EXPECT_TRUE(LcTranslateForm(window)) << className;
    // The main window composes some of its texts again after translating.
    if (window == form.get()) form->SetHints();
    const std::map<QString, QString> after = Texts(window);
    for (const auto& [where, text] : before[className]) {
      const auto it = after.find(where);
      ASSERT_NE(it, after.end()) << where.toStdString();
      EXPECT_EQ(it->second, text) << where.toStdString();
    }
  }
}

// A tab's caption names the coin of the list, so a coin's name is the same
// in every language; Russian texts are in Russian letters unless they are
// names.
TEST_F(LanguageEntriesTest, CoinNamesStayAndRussianIsRussian) {
  const lcfpack::TranslationSources sources = ReadSources();
  std::map<std::string, std::u16string> coinNames;
  for (const Coin& coin : kCoins) {
    const std::u16string name(coin.name.begin(), coin.name.end());
    coinNames[std::string(coin.components.tabSheet) + "-Caption"] = name;
    coinNames[std::string(coin.components.menuItem) + "-Caption"] = name;
  }
  const auto ru =
      std::find(sources.lcids.begin(), sources.lcids.end(), 1049) - sources.lcids.begin();
  for (const auto& [className, rows] : sources.classes) {
    for (const lcfpack::SourceRow& row : rows) {
      if (const auto coin = coinNames.find(row.key); coin != coinNames.end()) {
        for (const auto& text : row.texts) EXPECT_EQ(text, coin->second) << row.where;
        continue;
      }
      const std::optional<std::u16string>& russian = row.texts.at(size_t(ru));
      ASSERT_TRUE(russian) << row.where;
      const bool cyrillic = std::any_of(russian->begin(), russian->end(),
                                        [](char16_t c) { return c >= 0x400 && c < 0x460; });
      if (!cyrillic) {
        EXPECT_EQ(russian, row.texts.at(0)) << row.where;
      }
    }
  }
}

}  // namespace
}  // namespace trelio::test
