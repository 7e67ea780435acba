#include "app/core/items/ItemEdits.h"

#include <utility>

#include "app/core/index/IndexLineWriter.h"
#include "app/core/index/UrlKey.h"
#include "app/core/text/Messages.h"
#include "app/core/text/Numbers.h"

namespace trelio {
namespace {

// The edits lose what the index file would not keep of them.
std::string FieldText(std::string_view text) { return WithoutUnsafeBytes(fName, text); }
std::string UrlText(std::string_view text) { return WithoutUnsafeBytes(fUrl, text); }

void AppendError(std::u16string& errors, MessageId id, bool onNewLine) {
  if (onNewLine && !errors.empty()) errors += u"\n\r";
  errors += MessageText(id) + u".";
}

// The name and interval checks shared by saving and adding.
void CheckNameAndInterval(CheckedItem& item) {
  item.edits.name = FieldText(item.edits.name);
  if (item.edits.name.empty()) AppendError(item.errors, msgNameNotEntered, true);
  const WholeNumber interval = ReadWholeNumber(item.edits.interval);
  if (!interval.ok) item.edits.interval.clear();
  if (item.edits.interval.empty() || interval.value == 0)
    AppendError(item.errors, msgIntervalNotEntered, true);
}

}  // namespace

CheckedItem CheckSavedItem(const FaucetItem& current, ItemEdits edits) {
  CheckedItem item{std::move(edits), {}, {}, {}};
  item.url = current[fUrl];
  item.key = StripReferral(current[fUrl]);
  item.edits.url = item.key;
  item.edits.input = FieldText(item.edits.input);
  CheckNameAndInterval(item);
  return item;
}

void StoreSavedItem(FaucetItem& row, const CheckedItem& checked) {
  row.Edit(fName) = checked.edits.name;
  row.Edit(fInterval) = checked.edits.interval;
  row.Edit(fInput) = checked.edits.input;
}

CheckedItem CheckNewItem(ItemEdits edits,
                         const std::function<bool(const std::string&)>& keyInIndex) {
  CheckedItem item{std::move(edits), {}, {}, {}};
  item.url = UrlText(item.edits.url);
  item.key = StripReferral(item.url);
  item.edits.url = item.key;
  if (item.url.find("{R}") == std::string::npos) item.url = item.key;
  item.edits.input = FieldText(item.edits.input);
  bool known = false;
  if (item.key.empty()) {
    AppendError(item.errors, msgUrlNotEntered, false);
  } else if (keyInIndex && keyInIndex(item.key)) {
    AppendError(item.errors, msgUrlAlreadyExists, false);
    known = true;
  }
  if (known)
    item.edits.name = FieldText(item.edits.name);
  else
    CheckNameAndInterval(item);
  return item;
}

int AppendNewItem(FaucetIndex& index, std::string_view coin, const CheckedItem& checked,
                  bool lockForUpdate, int64_t now) {
  FaucetItem& row = index.Append();
  const int r = index.RowCount() - 1;
  row.Edit(fCurrency) = std::string(coin);
  row.Edit(fName) = checked.edits.name;
  row.Edit(fUrl) = checked.url;
  row.Edit(fInterval) = checked.edits.interval;
  row.Edit(fInput) = checked.edits.input;
  row.Edit(fTimestamp) = std::to_string(now);
  row.Edit(fPosition) = std::to_string(r);
  if (lockForUpdate) row.Edit(fLock).assign(1, '1');  // = "1" trips a false -Wrestrict of GCC 12
  return r;
}

}  // namespace trelio
