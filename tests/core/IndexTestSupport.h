// Temporary data folders and file helpers for the index tests.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "app/core/index/FaucetItem.h"
#include "app/core/index/IndexFile.h"
#include "hashes/Hashes.h"

namespace trelio::indextest {

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

inline const std::string kHeaderLine =
    "Currency;Name;Url;Interval;Input;Completed;Hidden;Timestamp;Position;Lock;"
    "Total Payout;Last Payout;Last Payout 2;Last Payout 3;Moving average payout;"
    "Average payout;Payouts count;No pay;Favorite\r\n";

// A fresh data folder with an empty index and URL-key table.
class IndexFolderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string pattern = (std::filesystem::temp_directory_path() / "kt-index-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    folder = pattern;
    state.files = IndexFilePaths::InFolder(folder);
  }
  void TearDown() override { std::filesystem::remove_all(folder); }

  std::string Path(const std::string& name) const { return folder + "/" + name; }

  // Appends an item with the given leading fields.
  FaucetItem& Add(std::initializer_list<std::string> fields) {
    FaucetItem& item = index.Append();
    int f = 0;
    for (const std::string& text : fields) item.fields[f++] = text;
    return item;
  }

  std::string folder;
  FaucetIndex index;
  TIntegerHash urlRowMap;
  IndexState state{index, urlRowMap, {}, '.'};
};

}  // namespace trelio::indextest
