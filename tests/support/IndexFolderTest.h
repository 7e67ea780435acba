// A scratch data folder with an empty index for the index tests.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "app/core/index/FaucetItem.h"
#include "app/core/index/IndexFile.h"
#include "hashes/Hashes.h"
#include "tests/support/ScratchFolder.h"

namespace trelio::test {

inline const std::string kHeaderLine =
    "Currency;Name;Url;Interval;Input;Completed;Hidden;Timestamp;Position;Lock;"
    "Total Payout;Last Payout;Last Payout 2;Last Payout 3;Moving average payout;"
    "Average payout;Payouts count;No pay;Favorite\r\n";

// A fresh data folder with an empty index and URL-key table.
class IndexFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(scratch.path().empty());
    state.files = IndexFilePaths::InFolder(folder);
  }

  std::string Path(const std::string& name) const { return folder + "/" + name; }

  // Appends an item with the given leading fields.
  FaucetItem& Add(std::initializer_list<std::string> fields) {
    FaucetItem& item = index.Append();
    FaucetItem::FieldFiller filler(item);
    for (const std::string& text : fields) filler.Append(text);
    return item;
  }

  ScratchFolder scratch;
  const std::string& folder = scratch.path();
  FaucetIndex index;
  TIntegerHash urlRowMap;
  IndexState state{index, urlRowMap, {}, '.'};
};

}  // namespace trelio::test
