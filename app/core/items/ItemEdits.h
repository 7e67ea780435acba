// Checking the detail edits of a faucet before they are stored, and the row
// that adding a faucet appends.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "app/core/index/FaucetItem.h"

namespace trelio {

// The texts of the detail edits: URL, name, interval in minutes and address
// input field.
struct ItemEdits {
  std::string url;
  std::string name;
  std::string interval;
  std::string input;
};

struct CheckedItem {
  // What the edits show after the check. Their texts can no longer break a
  // line of the index file: a ";" in the URL is sent as "%3B", other ";" and
  // every CR, LF and end-of-file byte are dropped, as the index file would.
  ItemEdits edits;
  // Adding: the Url to store, whole when it holds "{R}", else its URL key.
  std::string url;
  // Adding: the URL key.
  std::string key;
  // The text of the error box: each failed check's message and ".", lines
  // joined by LF CR, as characters for the screen. Empty when the item may be
  // stored.
  std::u16string errors;
};

// Save mode: the URL edit goes back to the key of the row's Url; the name
// must not be empty and the interval must read as a whole number other than 0
// (a text that does not read is emptied).
CheckedItem CheckSavedItem(const FaucetItem& current, ItemEdits edits);
// Name, Interval and Input of the row from a check without errors.
void StoreSavedItem(FaucetItem& row, const CheckedItem& checked);

// Add mode: the URL must give a key that keyInIndex does not know; only then
// are the name and interval checked as for saving.
CheckedItem CheckNewItem(ItemEdits edits,
                         const std::function<bool(const std::string&)>& keyInIndex);
// Appends the row of a check without errors for the coin and returns its row
// number. now: seconds since 1970 on the local clock.
int AppendNewItem(FaucetIndex& index, std::string_view coin, const CheckedItem& checked,
                  bool lockForUpdate, int64_t now);

}  // namespace trelio
