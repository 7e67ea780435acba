// The about box: product name and version, the check for a newer version on
// the maker's server at each showing, and links to the maker's pages.
#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

class QLabel;
class QPushButton;

namespace trelio {

class TForm1;
class VerThread;

class TAboutBox : public QDialog {
  Q_OBJECT

 public:
  // Made once at start-up after the main window, which shows it from its
  // menu; kept until the program ends.
  explicit TAboutBox(TForm1& form);
  ~TAboutBox() override;

  QWidget* Panel1 = nullptr;
  QLabel* ProgramIcon = nullptr;
  QLabel* ProductName = nullptr;
  QLabel* Label1 = nullptr;
  QPushButton* SpeedButton3 = nullptr;
  QLabel* Label4 = nullptr;
  QPushButton* SpeedButton4 = nullptr;
  QPushButton* SpeedButton5 = nullptr;
  QPushButton* SpeedButton1 = nullptr;
  QPushButton* SpeedButton2 = nullptr;
  QPushButton* SpeedButton6 = nullptr;
  QPushButton* SpeedButton7 = nullptr;
  QLabel* Label3 = nullptr;
  QPushButton* OKButton = nullptr;

  // The language the box was last translated to.
  std::string TranslatedLang;
  // The check started by the latest showing; only its outcome is shown, and
  // only while the box is open.
  VerThread* VersionThread = nullptr;

  void FormCreate();
  void FormShow();
  void Label3Click();
  void SpeedButton1Click();
  void SpeedButton2Click();
  void SpeedButton3Click();
  void SpeedButton4Click();
  void SpeedButton5Click();
  void SpeedButton6Click();
  void SpeedButton7Click();

 protected:
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void CreateLayout();
  QPushButton* AddLinkButton(const char* name, const QString& caption, const QString& picture,
                             QRect bounds);
  // The status line and the new-version button before a check has answered.
  void ShowChecking();
  void ShowResult(VerThread& thread);
  void ShowFailure(VerThread& thread);
  // Frees the checks that have ended and abandons the others.
  void RetireChecks();

  TForm1& form_;
  std::vector<std::unique_ptr<VerThread>> checks_;
  // "Checking for new version..." in the language the box was translated to.
  QString checkingText_;
};

}  // namespace trelio
