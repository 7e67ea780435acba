// The settings dialog: six on/off options and the no-pay intervals. The main
// window fills it, shows it and reads it back on OK.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "app/core/settings/SettingsDialogRules.h"

class QCheckBox;
class QGroupBox;
class QPushButton;
class QTableWidget;

namespace trelio {

class TForm1;

class TOKBottomDlg1 : public QDialog {
  Q_OBJECT

 public:
  // Made once at start-up after the main window, which shows it from its
  // menu; kept until the program ends.
  explicit TOKBottomDlg1(TForm1& form);
  ~TOKBottomDlg1() override;

  QGroupBox* GroupBox1 = nullptr;
  QCheckBox* CheckBox1 = nullptr;
  QCheckBox* CheckBox5 = nullptr;
  QGroupBox* GroupBox2 = nullptr;
  QCheckBox* CheckBox2 = nullptr;
  QCheckBox* CheckBox6 = nullptr;
  QCheckBox* CheckBox3 = nullptr;
  QGroupBox* GroupBox4 = nullptr;
  QCheckBox* CheckBox4 = nullptr;
  QGroupBox* GroupBox3 = nullptr;
  // Key/value grid: "Message" read-only, "Interval" editable.
  QTableWidget* ValueListEditor1 = nullptr;
  QPushButton* OKBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

  // The language the dialog was last translated to.
  std::string TranslatedLang;

  void FormCreate();
  void FormShow();
  void CheckBox2Click();
  void CheckBox6Click();
  void CheckBox3Click();

  // The six boxes, set in the order 1, 5, 2, 6, 3, 4.
  void SetOptions(const DialogOptions& options);
  DialogOptions Options() const;
  // The "Interval" cells of the grid, top to bottom.
  std::vector<std::string> IntervalCells() const;

 protected:
  void showEvent(QShowEvent* event) override;
  void done(int result) override;

 private:
  void CreateLayout();
  void ApplyInterlock(UpdatingOption changed, bool on);

  TForm1& form_;
};

}  // namespace trelio
