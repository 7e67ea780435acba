#include "hashes/Hashes.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

namespace trelio {
namespace {

std::string Key(int i) { return "http://faucet" + std::to_string(i) + ".example/"; }

TEST(HashStringTest, GivesTheKnownValuesAndBuckets) {
  EXPECT_EQ(HashString("a"), 0x23456761u);
  EXPECT_EQ(HashString("abc"), 0x456767C3u);
  TIntegerHash table;
  EXPECT_EQ(table.BucketOf("a"), 97);
  EXPECT_EQ(table.BucketOf("abc"), 67);
  // Bytes above 0x7F count as unsigned.
  EXPECT_EQ(HashString("\xFF"), (0x12345670u << 4) + 0xFFu);
}

TEST(HashStringTest, KeepsTheTopBitsSet) {
  // Eight bytes shift every bit of the seed out; the or-ed bits stay.
  uint32_t h = 0x12345670;
  const std::string key = "abcdefghij";
  for (const char c : key) {
    h = (h << 4) + static_cast<unsigned char>(c);
    if (const uint32_t t = h & 0xF0000000u) h |= t >> 24;
  }
  EXPECT_EQ(HashString(key), h);
  EXPECT_NE(HashString(key) & 0xF0000000u, 0u);
}

TEST(IntegerHashTest, EveryKeyOperationRejectsTheEmptyKey) {
  TIntegerHash table;
  table.SetItem("x", 1);
  const auto expectInvalid = [](auto&& op) {
    try {
      op();
      ADD_FAILURE() << "no exception";
    } catch (const EHashInvalidKeyError& e) {
      EXPECT_STREQ(e.what(), "Key cannot be an empty string");
    }
  };
  expectInvalid([] { HashString(""); });
  expectInvalid([&] { table.Exists(""); });
  expectInvalid([&] { table.GetItem(""); });
  expectInvalid([&] { table.SetItem("", 5); });
  expectInvalid([&] { table.Delete(""); });
  EXPECT_EQ(table.GetItem("x"), 1);
  EXPECT_EQ(table.ValueCount(), 1);
}

TEST(IntegerHashTest, AbsentKeysRaiseFindErrorsAndChangeNothing) {
  TIntegerHash table;
  table.SetItem("present", 7);
  try {
    table.GetItem("missing");
    ADD_FAILURE() << "no exception";
  } catch (const EHashFindError& e) {
    EXPECT_STREQ(e.what(), "Key \"missing\" not found");
  }
  EXPECT_THROW(table.Delete("Present"), EHashFindError);
  EXPECT_THROW(table.Delete("missing"), EHashError);
  EXPECT_EQ(table.FreeSlotCount(), 0);
  EXPECT_EQ(table.ValueCount(), 1);
  EXPECT_EQ(table.GetItem("present"), 7);
}

TEST(IntegerHashTest, KeysAreCaseSensitiveAndSetOverwrites) {
  TIntegerHash table;
  table.SetItem("Key", 1);
  table.SetItem("key", 2);
  EXPECT_EQ(table.GetItem("Key"), 1);
  EXPECT_EQ(table.GetItem("key"), 2);
  EXPECT_FALSE(table.Exists("KEY"));

  table.SetItem("Key", 3);
  EXPECT_EQ(table.GetItem("Key"), 3);
  EXPECT_EQ(table.ValueCount(), 2);
  EXPECT_EQ(table.BucketKeys(table.BucketOf("Key")).size(),
            table.BucketOf("Key") == table.BucketOf("key") ? 2u : 1u);
}

TEST(IntegerHashTest, ReusesTheLastFreedSlotFirst) {
  TIntegerHash table;
  for (int i = 0; i < 8; ++i) table.SetItem(Key(i), i * 10);
  ASSERT_EQ(table.SlotOf(Key(3)), 3);
  ASSERT_EQ(table.SlotOf(Key(5)), 5);
  table.Delete(Key(3));
  table.Delete(Key(5));
  EXPECT_EQ(table.FreeSlotCount(), 2);
  EXPECT_EQ(table.SlotOf(Key(3)), -1);

  table.SetItem("new1", 1);
  table.SetItem("new2", 2);
  EXPECT_EQ(table.SlotOf("new1"), 5);
  EXPECT_EQ(table.SlotOf("new2"), 3);
  EXPECT_EQ(table.ValueCount(), 8);
  table.SetItem("new3", 3);
  EXPECT_EQ(table.SlotOf("new3"), 8);
}

TEST(IntegerHashTest, DeletingMovesTheLastEntryOfTheBucketIntoTheGap) {
  TIntegerHash table;
  std::vector<std::string> same;
  for (int i = 0; same.size() < 3; ++i)
    if (table.BucketOf(Key(i)) == table.BucketOf(Key(0))) same.push_back(Key(i));
  for (const std::string& k : same) table.SetItem(k, 1);
  const int32_t bucket = table.BucketOf(same[0]);
  ASSERT_EQ(table.BucketKeys(bucket), same);

  table.Delete(same[0]);
  EXPECT_EQ(table.BucketKeys(bucket), (std::vector<std::string>{same[2], same[1]}));
  table.Delete(same[1]);
  EXPECT_EQ(table.BucketKeys(bucket), (std::vector<std::string>{same[2]}));
}

TEST(IntegerHashTest, TheHundredthFreeSlotCompactsTheValues) {
  TIntegerHash table;
  for (int i = 0; i < 250; ++i) table.SetItem(Key(i), 1000 + i);
  // Free every other slot of the low half, so moves fill gaps from the top.
  std::vector<int> deleted;
  for (int i = 0; i < 200 && deleted.size() < 99; i += 2) deleted.push_back(i);
  for (const int i : deleted) table.Delete(Key(i));
  EXPECT_EQ(table.FreeSlotCount(), 99);
  EXPECT_EQ(table.ValueCount(), 250);

  table.Delete(Key(201));
  EXPECT_EQ(table.FreeSlotCount(), 0);
  EXPECT_EQ(table.ValueCount(), 150);
  std::set<int32_t> slots;
  for (int i = 0; i < 250; ++i) {
    const bool gone = i == 201 || (i < 198 && i % 2 == 0);
    ASSERT_EQ(table.Exists(Key(i)), !gone) << i;
    if (gone) continue;
    EXPECT_EQ(table.GetItem(Key(i)), 1000 + i);
    slots.insert(table.SlotOf(Key(i)));
  }
  EXPECT_EQ(slots.size(), 150u);
  EXPECT_EQ(*slots.rbegin(), 149);
}

TEST(IntegerHashTest, DeletingEveryKeyLeavesOnlyTheSlotsFreedSinceTheLastCompaction) {
  const struct {
    int keys;
    int32_t valuesLeft;
  } cases[] = {{100, 0}, {150, 50}, {99, 99}, {200, 0}};
  for (const auto& c : cases) {
    TIntegerHash table;
    for (int i = 0; i < c.keys; ++i) table.SetItem(Key(i), i);
    for (int i = 0; i < c.keys; ++i) table.Delete(Key(i));
    EXPECT_EQ(table.ValueCount(), c.valuesLeft) << c.keys;
    EXPECT_EQ(table.FreeSlotCount(), c.valuesLeft) << c.keys;
  }
}

TEST(IntegerHashTest, CompactionWaitsWhileNotAllowed) {
  TIntegerHash table;
  table.AllowCompaction = false;
  for (int i = 0; i < 120; ++i) table.SetItem(Key(i), i);
  for (int i = 0; i < 110; ++i) table.Delete(Key(i));
  EXPECT_EQ(table.FreeSlotCount(), 110);
  EXPECT_EQ(table.ValueCount(), 120);
  table.AllowCompaction = true;
  table.Delete(Key(110));
  EXPECT_EQ(table.FreeSlotCount(), 0);
  EXPECT_EQ(table.ValueCount(), 9);
  for (int i = 111; i < 120; ++i) EXPECT_EQ(table.GetItem(Key(i)), i);
}

TEST(IntegerHashTest, ClearEmptiesEverything) {
  TIntegerHash table;
  for (int i = 0; i < 10; ++i) table.SetItem(Key(i), i);
  table.Delete(Key(4));
  table.Clear();
  EXPECT_EQ(table.ValueCount(), 0);
  EXPECT_EQ(table.FreeSlotCount(), 0);
  for (int i = 0; i < 10; ++i) EXPECT_FALSE(table.Exists(Key(i)));
  table.SetItem(Key(4), 44);
  EXPECT_EQ(table.SlotOf(Key(4)), 0);
  EXPECT_EQ(table.GetItem(Key(4)), 44);
}

// Random traffic against a plain map: every key keeps its value through slot
// reuse and compactions, and the slots stay a consistent set.
TEST(IntegerHashTest, AgreesWithAPlainMapUnderRandomTraffic) {
  std::mt19937 random(12345);
  TIntegerHash table;
  std::map<std::string, int32_t> model;
  for (int step = 0; step < 20000; ++step) {
    const std::string key = Key(static_cast<int>(random() % 700));
    const int op = static_cast<int>(random() % 3);
    if (op < 2) {
      const int32_t value = static_cast<int32_t>(random());
      table.SetItem(key, value);
      model[key] = value;
    } else if (model.erase(key)) {
      table.Delete(key);
    } else {
      EXPECT_THROW(table.Delete(key), EHashFindError);
    }
  }
  std::set<int32_t> slots;
  for (const auto& [key, value] : model) {
    ASSERT_EQ(table.GetItem(key), value);
    slots.insert(table.SlotOf(key));
  }
  EXPECT_EQ(slots.size(), model.size());
  EXPECT_EQ(table.ValueCount(), static_cast<int32_t>(model.size()) + table.FreeSlotCount());
  EXPECT_LT(*slots.rbegin(), table.ValueCount());
}

}  // namespace
}  // namespace trelio
