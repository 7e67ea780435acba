// The Language menu: switching the interface between English and Russian,
// and the hints and captions the window composes from message texts.
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QLibraryInfo>
#include <QLineEdit>
#include <QToolBar>
#include <QTranslator>

#include "app/core/text/Messages.h"
#include "app/program/Application.h"
#include "app/widgets/CoinPanel.h"
#include "app/widgets/LcQtForm.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"
#include "app/window/Unit1.h"
#include "localisation/LcUnit.h"

namespace trelio {
namespace {

constexpr int32_t kLcidEnglish = 1033;
constexpr int32_t kLcidRussian = 1049;

// Two lines of a hint: line feed first, then carriage return.
QString TwoLines(MessageId first, MessageId second) {
  return MessageQString(first) + QStringLiteral("\n\r") + MessageQString(second);
}

// Called for each language of the module; it keeps nothing.
int32_t EnumLanguageProc(int32_t /*lcid*/, intptr_t /*userData*/) { return 1; }

}  // namespace

void TForm1::SwitchLanguage(int32_t lcid, const char* code, QAction* unchecked, QAction* checked) {
  const QString program = startup_.programFile.isEmpty() ? QCoreApplication::applicationFilePath()
                                                         : startup_.programFile;
  const std::string module = LcModulePathFor(QFile::encodeName(program).toStdString());
  const int32_t loaded =
      LcLoadLanguage(module, lcid, EnumLanguageProc, reinterpret_cast<intptr_t>(this));
  // Qt's own texts (the buttons of message boxes, the file dialogs) follow
  // the message texts.
  delete toolkitTexts_;
  toolkitTexts_ = nullptr;
  if (loaded == 1 && lcid == kLcidRussian) {
    auto* qtTexts = new QTranslator(this);
    if (qtTexts->load(QStringLiteral("qtbase_ru"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
      QCoreApplication::installTranslator(qtTexts);
      toolkitTexts_ = qtTexts;
    } else {
      delete qtTexts;
    }
  }
  LcTranslateForm(this);
  unchecked->setChecked(false);
  checked->setChecked(true);
  LanguageCode = code;
  SetHints();
  RebuildList();
}

void TForm1::Language2Click() { SwitchLanguage(kLcidEnglish, "en", N12, Language2); }

void TForm1::N12Click() { SwitchLanguage(kLcidRussian, "ru", Language2, N12); }

void TForm1::ApplyLanguageSetting(const std::string& languageCode) {
  if (languageCode == "ru")
    N12Click();
  else
    Language2Click();
}

void TForm1::SetHints() {
  StatusBar2->setToolTip(TwoLines(msgHintStatusDoubleClick, msgHintStatusRightClick));
  Edit6->setToolTip(TwoLines(msgHintInterval, msgHintIntervalEnterKey));
  Edit8->setToolTip(TwoLines(msgHintInputField, msgHintInputEnterKey));
  ToolBar1->setToolTip(TwoLines(msgHintListToolbarRightClick, msgHintListToolbarDoubleClick));
  const QString banner = MessageQString(msgFaucetsMicropayments);
  const QString wallet = MessageQString(msgYourWalletAddress);
  for (CoinWidgets& coin : Coins) {
    coin.Panel->SetHints(wallet, banner);
    coin.Panel->LayOutLabels();
  }
  ShowAddSaveHint();
  UpdateNewItemCaption();
  setWindowTitle(QStringLiteral("Korvane Trelio v") + VersionText);
  SetApplicationTitle(windowTitle());
}

}  // namespace trelio
