// Merging an index file (the server's or one the user picks) into the index.
#pragma once

#include <string>
#include <string_view>

#include "app/core/index/IndexFile.h"

namespace trelio {

// The [Updating options] values; each counts only when exactly 1.
struct UpdatingOptions {
  int showingHidden = 0;  // "Updating with showing hidden items"
  int hiding = 0;         // "Hiding before updating"
  int clearing = 0;       // "Clearing before updating"
};

// The four "|"-separated payout-parser lists.
struct TemplateLists {
  std::string rightPart;         // "Right part of payout template"
  std::string leftPart;          // "Left part of payout template"
  std::string ignoreFieldNames;  // "Ignore field names"
  std::string noPay;             // "No pay template"
};

// Matches the file's rows to the index by URL key: known faucets take the
// file's Name, Url, Interval and Input (a locked one only its Url), unknown
// ones are appended, and the options hide or remove the unlocked faucets the
// file does not list. Template rows ("*Right part of payout template", ...)
// set the members of `serverTemplates`; then `userLists` take the server
// elements they lack. When the file cannot be opened or read, raises
// EInOutError and changes nothing.
void MergeIndex(IndexState& state, const std::string& path, char separator,
                const UpdatingOptions& options, TemplateLists& serverTemplates,
                TemplateLists& userLists);

// The same for the bytes of an index file already read.
void MergeIndexText(IndexState& state, std::string_view bytes, char separator,
                    const UpdatingOptions& options, TemplateLists& serverTemplates,
                    TemplateLists& userLists);

// The user's list with every element of the server's list that it does not
// already hold (as "element|" within "list|") appended after a "|".
std::string MergeTemplateList(std::string_view userList, std::string_view serverList);

}  // namespace trelio
