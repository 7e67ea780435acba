#include "app/core/text/Messages.h"

#include <memory>
#include <mutex>
#include <utility>

#include <unicode/ustring.h>

#include "app/platform/CodePage.h"

namespace trelio {
namespace {

struct Entry {
  uint16_t id;
  const char16_t* text;
};

constexpr Entry kBuiltIn[] = {
    {65072, u"Show"},
    {65073, u"Hide"},
    {65074, u"Add to favorites"},
    {65075, u"Delete from favorites"},
    {65076, u"Are you sure you want to remove item"},
    {65077, u"Name of item not entered"},
    {65078, u"Interval in minutes not entered"},
    {65079, u"URL not entered"},
    {65080, u"This URL already exists in the Index"},
    {65081, u"Are you sure you want to update Index"},
    {65082, u"items"},
    {65083, u"items"},
    {65084, u"Please input the URL below"},
    {65085, u"Are you sure you want to clear Index"},
    {65086, u"Save the item"},
    {65088, u"Enter key press: try to insert the value in the address input field"},
    {65089, u"Interval in minutes"},
    {65090, u"Enter key press: try to detect the interval automatically"},
    {65091, u"Right click: list view options"},
    {65092, u"Double click: refresh list"},
    {65093, u"wait"},
    {65094, u"min."},
    {65095, u"Add new item"},
    {65096, u"New"},
    {65097, u"item"},
    {65098, u"minutes"},
    {65099, u"minute"},
    {65100, u"minutes"},
    {65101, u"Make incompleted"},
    {65102, u"Complete"},
    {65103, u"Browse"},
    {65104, u"is up to date"},
    {65105, u"sorted in descending order by interval"},
    {65106, u"sorted in ascending order by interval"},
    {65107, u"sorted in descending alphabetical order"},
    {65108, u"sorted in ascending alphabetical order"},
    {65109, u"sorted in descending order by total payout"},
    {65110, u"sorted in ascending order by total payout"},
    {65111, u"sorted in descending order by last payout"},
    {65112, u"sorted in ascending order by last payout"},
    {65113, u"sorted in descending order by moving average payout"},
    {65114, u"sorted in ascending order by moving average payout"},
    {65115, u"sorted in descending order by average payout"},
    {65116, u"sorted in ascending order by average payout"},
    {65117, u"Double click: browse next incompleted item"},
    {65118, u"Right click: list view options"},
    {65119,
     u"Address input field position number or its name or special options (\"*\" - use default "
     u"browser; \"-\" - don't insert the value in the address input field; \"?\" - auto detect "
     u"address input field)"},
    {65131, u"version"},
    {65132, u"Your wallet address"},
    {65133, u"Faucets micropayments service"},
    {65134, u"version"},
    {65135, u"available"},
    {65200, u"Cannot open the data folder"},
    {65201, u"Cannot read and write the data folder"},
    {65202, u"Cannot choose the data folder: the per-user application-data folder is not known"},
    {65203, u"Cannot create the data folder"},
    {65204, u"Unknown error"},
    {65205, u"The embedded browser cannot start: its helper program is missing"},
    {65240, u"The program is already running with the data folder"},
    {65241, u"The index cannot be updated: there is no data folder to keep it in"},
    {65242, u"The index cannot be cleared: there is no data folder to keep it in"},
    {65250, u"The server's answer is not an index"},
    {65251, u"Received a web page, not an index"},
    {65252, u"The server's index is larger than 64 MiB"},
    {65253, u"The server's answer was too large"},
    {65254, u"The file does not begin with the header line of an index"},
    {65270, u"Cannot read"},
    {65271, u"Cannot write"},
    {65272, u"Cannot create a file in"},
    {65273, u"it is not a regular file"},
    {65274, u"it is larger than"},
    {65275, u"MiB"},
    {65276, u"the file was left as it is"},
    {65277, u"Cannot create the folder"},
};

std::mutex& LookupMutex() {
  static std::mutex m;
  return m;
}

// Replaced whole on a change of language; each lookup holds its own reference.
std::shared_ptr<const MessageLookup>& ActiveLookup() {
  static std::shared_ptr<const MessageLookup> lookup;
  return lookup;
}

std::shared_ptr<const MessageLookup> CurrentLookup() {
  std::lock_guard lock(LookupMutex());
  return ActiveLookup();
}

}  // namespace

std::u16string BuiltInMessage(uint16_t id) {
  for (const Entry& e : kBuiltIn)
    if (e.id == id) return e.text;
  return {};
}

const std::vector<uint16_t>& ProgramMessageIds() {
  static const std::vector<uint16_t> ids = [] {
    std::vector<uint16_t> v;
    for (const Entry& e : kBuiltIn) v.push_back(e.id);
    return v;
  }();
  return ids;
}

// Lookups may come from worker threads while the language changes: each one
// finishes on the lookup it started with.
std::u16string MessageText(uint16_t id) {
  if (const std::shared_ptr<const MessageLookup> lookup = CurrentLookup()) {
    const EncodedText text = (*lookup)(id);
    return AnsiToUtf16(text.bytes, text.codePage);
  }
  return BuiltInMessage(id);
}

std::string MessageUtf8(uint16_t id) {
  const std::u16string text = MessageText(id);
  std::string out(text.size() * 3, '\0');
  int32_t length = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strToUTF8WithSub(out.data(), int32_t(out.size()), &length, text.data(), int32_t(text.size()),
                     0xFFFD, nullptr, &status);
  out.resize(U_SUCCESS(status) ? size_t(length) : 0);
  return out;
}

void SetMessageLookup(MessageLookup lookup) {
  std::shared_ptr<const MessageLookup> next;
  if (lookup) next = std::make_shared<const MessageLookup>(std::move(lookup));
  std::shared_ptr<const MessageLookup> previous;
  {
    std::lock_guard lock(LookupMutex());
    previous = std::exchange(ActiveLookup(), std::move(next));
  }
  // The previous lookup, and the language it holds, goes here unless a lookup
  // in flight still holds it.
}

}  // namespace trelio
