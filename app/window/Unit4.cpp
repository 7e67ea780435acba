#include "app/window/Unit4.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
#include <QScrollBar>
#include <QShowEvent>
#include <QTableWidget>

#include "app/core/settings/LanguageSetting.h"
#include "app/widgets/LcQtForm.h"
#include "app/widgets/TextBridge.h"
#include "app/window/DialogPlacement.h"
#include "app/window/Unit1.h"

namespace trelio {

namespace {

QGroupBox* AddGroup(QWidget* parent, const char* name, const QString& caption, QRect bounds) {
  auto* group = new QGroupBox(caption, parent);
  group->setObjectName(QString::fromLatin1(name));
  group->setGeometry(bounds);
  // The title sits on the frame line, the boxes inside the frame: the style
  // alone would draw the title above the line and the line through the first
  // box.
  group->setStyleSheet(
      QStringLiteral("QGroupBox { border: 1px solid palette(mid); margin-top: 6px; }"
                     "QGroupBox::title { subcontrol-origin: border; subcontrol-position: top left;"
                     " left: 6px; top: -7px; padding: 0px 2px; }"));
  return group;
}

QCheckBox* AddCheckBox(QGroupBox* group, const char* name, const QString& caption, int top) {
  auto* box = new QCheckBox(caption, group);
  box->setObjectName(QString::fromLatin1(name));
  box->setGeometry(8, top, 425, 17);
  return box;
}

QPushButton* AddButton(QWidget* parent, const char* name, const QString& caption, int left) {
  auto* button = new QPushButton(caption, parent);
  button->setObjectName(QString::fromLatin1(name));
  button->setGeometry(left, 348, 75, 25);
  return button;
}

}  // namespace

TOKBottomDlg1::TOKBottomDlg1(TForm1& form) : QDialog(&form), form_(form) {
  setObjectName(QStringLiteral("OKBottomDlg1"));
  CreateLayout();
  FormCreate();
  form_.OKBottomDlg1 = this;
}

TOKBottomDlg1::~TOKBottomDlg1() {
  if (form_.OKBottomDlg1 == this) form_.OKBottomDlg1 = nullptr;
}

void TOKBottomDlg1::CreateLayout() {
  setWindowTitle(QStringLiteral("Settings"));
  SetFixedClientSize(*this, {457, 399});

  GroupBox1 = AddGroup(this, "GroupBox1", QStringLiteral("Browsing options"), {8, 8, 441, 57});
  CheckBox1 =
      AddCheckBox(GroupBox1, "CheckBox1",
                  QStringLiteral("Block pop-ups (open them with the Ctrl key pressed)"), 16);
  CheckBox5 = AddCheckBox(GroupBox1, "CheckBox5", QStringLiteral("Always on top"), 32);

  GroupBox2 =
      AddGroup(this, "GroupBox2", QStringLiteral("Index updating options"), {8, 72, 441, 73});
  CheckBox2 =
      AddCheckBox(GroupBox2, "CheckBox2", QStringLiteral("Updating with showing hidden items"), 16);
  CheckBox6 = AddCheckBox(GroupBox2, "CheckBox6", QStringLiteral("Hiding before updating"), 32);
  CheckBox3 = AddCheckBox(GroupBox2, "CheckBox3", QStringLiteral("Clearing before updating"), 48);

  GroupBox4 = AddGroup(this, "GroupBox4", QStringLiteral("Completing options"), {8, 152, 441, 41});
  CheckBox4 =
      AddCheckBox(GroupBox4, "CheckBox4", QStringLiteral("Process results without payment"), 16);

  GroupBox3 = AddGroup(this, "GroupBox3", QStringLiteral("No pay intervals (in minutes)"),
                       {8, 200, 441, 121});
  ValueListEditor1 = new QTableWidget(0, 2, GroupBox3);
  ValueListEditor1->setObjectName(QStringLiteral("ValueListEditor1"));
  ValueListEditor1->setGeometry(8, 16, 425, 97);
  ValueListEditor1->setHorizontalHeaderLabels(
      {QStringLiteral("Message"), QStringLiteral("Interval")});
  ValueListEditor1->horizontalHeader()->setHighlightSections(false);
  ValueListEditor1->horizontalHeader()->setSectionsClickable(false);
  ValueListEditor1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
  ValueListEditor1->verticalHeader()->hide();
  ValueListEditor1->verticalHeader()->setDefaultSectionSize(18);
  ValueListEditor1->setColumnWidth(0, 345);
  ValueListEditor1->setColumnWidth(1, 74);
  ValueListEditor1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  ValueListEditor1->setSelectionMode(QAbstractItemView::SingleSelection);
  ValueListEditor1->setSelectionBehavior(QAbstractItemView::SelectItems);
  // A cell is edited when the user starts to: not on opening, so that Enter
  // and Escape reach the buttons.
  ValueListEditor1->setEditTriggers(QAbstractItemView::DoubleClicked |
                                    QAbstractItemView::EditKeyPressed |
                                    QAbstractItemView::AnyKeyPressed);
  ValueListEditor1->setTabKeyNavigation(false);
  ValueListEditor1->setWordWrap(false);

  OKBtn = AddButton(this, "OKBtn", QStringLiteral("OK"), 151);
  OKBtn->setDefault(true);
  CancelBtn = AddButton(this, "CancelBtn", QStringLiteral("Cancel"), 231);
  CancelBtn->setAutoDefault(false);
  connect(OKBtn, &QPushButton::clicked, this, &QDialog::accept);
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  // Tab order: the buttons, then the groups; inside the updating group the
  // clearing box comes before the hiding box.
  setTabOrder(OKBtn, CancelBtn);
  setTabOrder(CancelBtn, CheckBox1);
  setTabOrder(CheckBox1, CheckBox5);
  setTabOrder(CheckBox5, CheckBox2);
  setTabOrder(CheckBox2, CheckBox3);
  setTabOrder(CheckBox3, CheckBox6);
  setTabOrder(CheckBox6, ValueListEditor1);
  setTabOrder(ValueListEditor1, CheckBox4);

  connect(CheckBox2, &QCheckBox::toggled, this, [this] { CheckBox2Click(); });
  connect(CheckBox6, &QCheckBox::toggled, this, [this] { CheckBox6Click(); });
  connect(CheckBox3, &QCheckBox::toggled, this, [this] { CheckBox3Click(); });
}

void TOKBottomDlg1::FormCreate() { TranslatedLang.clear(); }

void TOKBottomDlg1::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (event->spontaneous()) return;
  CenterOnScreen(*this);
  FormShow();
}

void TOKBottomDlg1::done(int result) {
  // An interval still being typed counts: Enter or OK ends its editing.
  if (result == Accepted) {
    if (QWidget* editor = ValueListEditor1->indexWidget(ValueListEditor1->currentIndex()))
      QMetaObject::invokeMethod(ValueListEditor1, "commitData", Q_ARG(QWidget*, editor));
  }
  QDialog::done(result);
}

void TOKBottomDlg1::FormShow() {
  if (TakeLanguageChange(TranslatedLang, form_.LanguageCode)) {
    LcTranslateForm(this);
  }
  // The grid is made anew from the settings, so edits that were cancelled
  // are not seen again.
  ValueListEditor1->setRowCount(0);
  const std::vector<NoPayRow> rows =
      NoPayRows(form_.Settings.noPayTemplate, form_.Settings.noPayIntervals);
  ValueListEditor1->setRowCount(static_cast<int>(rows.size()));
  for (int r = 0; r < static_cast<int>(rows.size()); ++r) {
    auto* message = new QTableWidgetItem(AnsiToQString(rows[size_t(r)].message));
    message->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    ValueListEditor1->setItem(r, 0, message);
    ValueListEditor1->setItem(r, 1, new QTableWidgetItem(AnsiToQString(rows[size_t(r)].interval)));
  }
  ValueListEditor1->setCurrentCell(0, 1);
  // Making the interval cell current scrolls it into view, which cuts off
  // the start of the messages; each showing starts at the left.
  ValueListEditor1->horizontalScrollBar()->setValue(0);
  OKBtn->setFocus(Qt::TabFocusReason);
}

void TOKBottomDlg1::SetOptions(const DialogOptions& o) {
  CheckBox1->setChecked(o.blockPopups);
  CheckBox5->setChecked(o.alwaysOnTop);
  CheckBox2->setChecked(o.updating.withShowingHiddenItems);
  CheckBox6->setChecked(o.updating.hidingBeforeUpdating);
  CheckBox3->setChecked(o.updating.clearingBeforeUpdating);
  CheckBox4->setChecked(o.processResultsWithoutPayment);
}

DialogOptions TOKBottomDlg1::Options() const {
  DialogOptions o;
  o.blockPopups = CheckBox1->isChecked();
  o.alwaysOnTop = CheckBox5->isChecked();
  o.updating = {CheckBox2->isChecked(), CheckBox6->isChecked(), CheckBox3->isChecked()};
  o.processResultsWithoutPayment = CheckBox4->isChecked();
  return o;
}

std::vector<std::string> TOKBottomDlg1::IntervalCells() const {
  std::vector<std::string> cells;
  for (int r = 0; r < ValueListEditor1->rowCount(); ++r) {
    const QTableWidgetItem* cell = ValueListEditor1->item(r, 1);
    cells.push_back(cell ? QStringToAnsi(cell->text()) : std::string());
  }
  return cells;
}

void TOKBottomDlg1::ApplyInterlock(UpdatingOption changed, bool on) {
  UpdatingChecks checks{CheckBox2->isChecked(), CheckBox6->isChecked(), CheckBox3->isChecked()};
  SetUpdatingOption(checks, changed, on);
  CheckBox2->setChecked(checks.withShowingHiddenItems);
  CheckBox6->setChecked(checks.hidingBeforeUpdating);
  CheckBox3->setChecked(checks.clearingBeforeUpdating);
}

void TOKBottomDlg1::CheckBox2Click() {
  ApplyInterlock(UpdatingOption::withShowingHiddenItems, CheckBox2->isChecked());
}

void TOKBottomDlg1::CheckBox6Click() {
  ApplyInterlock(UpdatingOption::hidingBeforeUpdating, CheckBox6->isChecked());
}

void TOKBottomDlg1::CheckBox3Click() {
  ApplyInterlock(UpdatingOption::clearingBeforeUpdating, CheckBox3->isChecked());
}

}  // namespace trelio
