#include "app/core/index/IndexMerge.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "app/core/index/FileBytes.h"
#include "app/core/index/IndexLines.h"
#include "app/core/index/IndexText.h"
#include "app/core/index/UrlKey.h"
#include "app/core/text/TextSplit.h"

namespace trelio {
namespace {

// The Hidden values a merge sets.
const std::string kHidden = "1";
const std::string kRemoved = "-";
const std::string kHiddenUntilListed = "-1";

void MarkBeforeMerge(FaucetIndex& index, const UpdatingOptions& options) {
  if (options.hiding != 1 && options.clearing != 1) return;
  for (int r = 1; r < index.RowCount(); ++r) {
    FaucetItem& row = index.Row(r);
    if (row[fLock] == "1") continue;
    const std::string_view hidden = row[fHidden];
    if (options.hiding == 1) {
      if (hidden != kHidden) row.Edit(fHidden) = kHidden;
    } else if (options.clearing == 1) {
      row.Edit(fHidden) = hidden == kHidden ? kHiddenUntilListed : kRemoved;
    }
  }
}

std::string* TemplateOf(std::string_view currency, TemplateLists& templates) {
  if (currency == "*Right part of payout template") return &templates.rightPart;
  if (currency == "*Left part of payout template") return &templates.leftPart;
  if (currency == "*Ignore field names") return &templates.ignoreFieldNames;
  if (currency == "*No pay template") return &templates.noPay;
  return nullptr;
}

// A template text may hold ";", which the file split into the next fields.
std::string TemplateText(const FaucetItem& row) {
  std::string text(row[fName]);
  for (const FaucetField f : {fUrl, fInterval, fInput}) {
    if (row[f].empty()) break;
    text += ';';
    text += row[f];
  }
  return text;
}

// Only a field that changes is written: a file that lists a faucet as it
// stands leaves its row unedited.
void SetField(FaucetItem& row, FaucetField f, std::string_view text) {
  if (std::as_const(row)[f] != text) row.Edit(f) = text;
}

void UpdateKnownRow(FaucetItem& known, const FaucetItem& listed, const UpdatingOptions& options,
                    char systemDecimalSeparator) {
  if (known[fLock].empty()) {
    for (const FaucetField f : {fName, fUrl, fInterval, fInput}) SetField(known, f, listed[f]);
    const std::string_view was = known[fHidden];
    if (options.showingHidden == 1 || was == kRemoved)
      SetField(known, fHidden, {});
    else if (was == kHiddenUntilListed)
      SetField(known, fHidden, kHidden);
  } else {
    SetField(known, fUrl, listed[fUrl]);
  }
  NormalizePayoutDecimals(known, systemDecimalSeparator);
}

// Forgets the key of a row that the merge removed, unless the key now names
// another row.
void UnmapRemovedRow(TIntegerHash& urlRowMap, const FaucetItem& row, int r) {
  const std::string key = StripReferral(row[fUrl]);
  if (!key.empty() && urlRowMap.Exists(key) && urlRowMap.GetItem(key) == r) urlRowMap.Delete(key);
}

void DropUnlisted(FaucetIndex& index, TIntegerHash& urlRowMap) {
  for (int r = 1; r < index.RowCount(); ++r) {
    FaucetItem& row = index.Row(r);
    if (row[fHidden] == kHiddenUntilListed) row.Edit(fHidden) = kRemoved;
    if (row[fHidden] == kRemoved) UnmapRemovedRow(urlRowMap, row, r);
  }
}

// What ends an element of a list: a trie of the elements read backwards, so
// that a text is looked up from its last byte, in time of its length (a node's
// children are a chain of at most 256 siblings).
class ElementEndings {
 public:
  explicit ElementEndings(size_t bytes) {
    nodes_.reserve(bytes + 1);
    nodes_.push_back({});  // the empty ending
  }

  void Add(std::string_view element) {
    uint32_t node = 0;
    for (auto c = element.rbegin(); c != element.rend(); ++c) {
      uint32_t child = Child(node, *c);
      if (child == kNone) {
        child = uint32_t(nodes_.size());
        nodes_.push_back({kNone, nodes_[node].firstChild, *c});
        nodes_[node].firstChild = child;
      }
      node = child;
    }
  }
  bool Ends(std::string_view text) const {
    uint32_t node = 0;
    for (auto c = text.rbegin(); c != text.rend() && node != kNone; ++c) node = Child(node, *c);
    return node != kNone;
  }

 private:
  static constexpr uint32_t kNone = UINT32_MAX;
  struct Node {
    uint32_t firstChild = kNone;
    uint32_t nextSibling = kNone;
    char byte = 0;
  };

  uint32_t Child(uint32_t node, char c) const {
    uint32_t child = nodes_[node].firstChild;
    while (child != kNone && nodes_[child].byte != c) child = nodes_[child].nextSibling;
    return child;
  }

  std::vector<Node> nodes_;
};

}  // namespace

void MergeIndex(IndexState& state, const std::string& path, char separator,
                const UpdatingOptions& options, TemplateLists& serverTemplates,
                TemplateLists& userLists) {
  // Read before anything is marked, so that a failed read leaves no row
  // marked for removal.
  const std::string bytes = ReadWholeFile(path);
  MergeIndexText(state, bytes, separator, options, serverTemplates, userLists);
}

void MergeIndexText(IndexState& state, std::string_view bytes, char separator,
                    const UpdatingOptions& options, TemplateLists& serverTemplates,
                    TemplateLists& userLists) {
  FaucetIndex& index = state.index;
  TIntegerHash& urlRowMap = state.urlRowMap;

  MarkBeforeMerge(index, options);

  IndexLineReader lines(bytes);
  std::string_view line;
  lines.Next(line);  // the header is not compared
  FaucetItem listed;
  std::string key;
  while (lines.Next(line)) {
    SplitIndexLine(line, separator, listed);
    const int slot = index.RowCount();
    key.assign(StripReferralView(listed[fUrl]));

    const std::string_view currency = listed[fCurrency];
    if (!currency.empty() && currency.front() == '*') {
      if (std::string* member = TemplateOf(currency, serverTemplates))
        *member = TemplateText(listed);
    }

    if (key.empty()) continue;
    if (const std::optional<int32_t> known = urlRowMap.Find(key);
        known && *known >= 1 && *known < slot) {
      UpdateKnownRow(index.Row(*known), listed, options, state.systemDecimalSeparator);
      continue;
    }
    listed.Edit(fPosition) = std::to_string(slot);
    index.Append() = std::move(listed);
    listed = FaucetItem();
    urlRowMap.SetItem(key, slot);
  }

  if (options.clearing == 1) DropUnlisted(index, urlRowMap);

  userLists.rightPart = MergeTemplateList(userLists.rightPart, serverTemplates.rightPart);
  userLists.leftPart = MergeTemplateList(userLists.leftPart, serverTemplates.leftPart);
  userLists.ignoreFieldNames =
      MergeTemplateList(userLists.ignoreFieldNames, serverTemplates.ignoreFieldNames);
  userLists.noPay = MergeTemplateList(userLists.noPay, serverTemplates.noPay);
}

std::string MergeTemplateList(std::string_view userList, std::string_view serverList) {
  if (serverList.empty()) return std::string(userList);
  if (userList.empty()) return std::string(serverList);
  // An element holds no "|", so "element|" occurs in "list|" exactly when the
  // element ends one of the list's elements: a lookup in the endings, instead
  // of a search of the whole list for each element.
  ElementEndings endings(userList.size() + serverList.size());
  for (const std::string& element : SplitText("|", userList)) endings.Add(element);
  std::string merged(userList);
  for (const std::string& element : SplitText("|", serverList)) {
    if (endings.Ends(element)) continue;
    merged += '|';
    merged += element;
    endings.Add(element);
  }
  return merged;
}

}  // namespace trelio
