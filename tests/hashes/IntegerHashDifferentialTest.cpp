// The indexed table against a plain one that finds keys by scanning their
// bucket: random traffic must leave both with the same buckets, entry order,
// slots, free-slot stack and values, and raise the same exceptions.
#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <vector>

#include "hashes/Hashes.h"

namespace trelio {
namespace {

// The table as it is without an index: every lookup scans one bucket.
class PlainIntegerHash {
 public:
  PlainIntegerHash() : Buckets(128) {}

  bool AllowCompaction = true;
  std::vector<std::vector<THashItem>> Buckets;
  std::vector<int32_t> FreeSlots;
  std::vector<int32_t> Values;

  bool Exists(const std::string& key) const { return Find(key).found; }

  int32_t GetItem(const std::string& key) const {
    const Found f = Find(key);
    if (!f.found) throw EHashFindError("Key \"" + key + "\" not found");
    return Values[Buckets[f.bucket][f.position].ItemIndex];
  }

  void SetItem(const std::string& key, int32_t value) {
    const Found f = Find(key);
    if (f.found) {
      Values[Buckets[f.bucket][f.position].ItemIndex] = value;
      return;
    }
    int32_t slot = static_cast<int32_t>(Values.size());
    if (!FreeSlots.empty()) {
      slot = FreeSlots.back();
      FreeSlots.pop_back();
    }
    if (slot >= static_cast<int32_t>(Values.size())) Values.resize(slot + 1);
    Values[slot] = value;
    Buckets[f.bucket].push_back({HashString(key), slot, key});
  }

  void Delete(const std::string& key) {
    const Found f = Find(key);
    if (!f.found) throw EHashFindError("Key \"" + key + "\" not found");
    std::vector<THashItem>& items = Buckets[f.bucket];
    const int32_t slot = items[f.position].ItemIndex;
    Values[slot] = 0;
    FreeSlots.push_back(slot);
    items[f.position] = items.back();
    items.pop_back();
    if (AllowCompaction && FreeSlots.size() >= 100) Compact();
  }

  void Clear() {
    Values.clear();
    FreeSlots.clear();
    for (auto& bucket : Buckets) bucket.clear();
  }

 private:
  struct Found {
    bool found;
    int32_t bucket;
    int32_t position;
  };

  Found Find(const std::string& key) const {
    const int32_t bucket = static_cast<int32_t>(HashString(key) & 127);
    const std::vector<THashItem>& items = Buckets[bucket];
    for (size_t i = 0; i < items.size(); ++i)
      if (items[i].Key == key) return {true, bucket, static_cast<int32_t>(i)};
    return {false, bucket, -1};
  }

  void Compact() {
    const int32_t n = static_cast<int32_t>(Values.size());
    std::vector<bool> isFree(n, false);
    std::vector<int32_t> newSlot(n);
    for (int32_t s = 0; s < n; ++s) newSlot[s] = s;
    for (const int32_t slot : FreeSlots) isFree[slot] = true;
    int32_t i = 0;
    int32_t j = n - 1;
    while (j > i) {
      if (!isFree[i]) {
        ++i;
        continue;
      }
      while (j > i && isFree[j]) --j;
      if (j > i) {
        Values[i] = Values[j];
        isFree[i] = false;
        isFree[j] = true;
        newSlot[j] = i;
      }
    }
    int32_t k = n - 1;
    while (k >= 0 && isFree[k]) --k;
    Values.resize(k + 1);
    FreeSlots.clear();
    for (auto& bucket : Buckets)
      for (THashItem& item : bucket) item.ItemIndex = newSlot[item.ItemIndex];
  }
};

// The real table with its bookkeeping in view.
class InspectedIntegerHash : public TIntegerHash {
 public:
  const std::vector<std::vector<THashItem>>& buckets() const { return Buckets; }
  const std::vector<int32_t>& freeSlots() const { return FreeSlots; }
  const std::vector<int32_t>& values() const { return Values; }
};

// What an operation gave: a result, or the exception it raised.
struct Outcome {
  std::optional<int32_t> result;
  std::string exception;  // kind and message

  bool operator==(const Outcome&) const = default;
};

template <class Op>
Outcome OutcomeOf(Op&& op) {
  Outcome o;
  try {
    o.result = op();
  } catch (const EHashInvalidKeyError& e) {
    o.exception = std::string("invalid key: ") + e.what();
  } catch (const EHashFindError& e) {
    o.exception = std::string("find: ") + e.what();
  }
  return o;
}

void ExpectSameState(const InspectedIntegerHash& table, const PlainIntegerHash& plain,
                     const std::string& step) {
  ASSERT_EQ(table.buckets().size(), 128u) << step;
  for (size_t b = 0; b < 128; ++b) {
    const auto& got = table.buckets()[b];
    const auto& want = plain.Buckets[b];
    ASSERT_EQ(got.size(), want.size()) << step << ", bucket " << b;
    for (size_t i = 0; i < got.size(); ++i) {
      ASSERT_EQ(got[i].Key, want[i].Key) << step << ", bucket " << b << ", position " << i;
      ASSERT_EQ(got[i].Hash, want[i].Hash) << step << ", key " << got[i].Key;
      ASSERT_EQ(got[i].ItemIndex, want[i].ItemIndex) << step << ", key " << got[i].Key;
    }
  }
  ASSERT_EQ(table.freeSlots(), plain.FreeSlots) << step;
  ASSERT_EQ(table.values(), plain.Values) << step;
  ASSERT_EQ(table.ValueCount(), static_cast<int32_t>(plain.Values.size())) << step;
  ASSERT_EQ(table.FreeSlotCount(), static_cast<int32_t>(plain.FreeSlots.size())) << step;
}

// Key pools, each a different load on the buckets.
std::vector<std::string> UrlKeys() {
  std::vector<std::string> keys;
  for (int i = 0; i < 400; ++i)
    keys.push_back("faucet" + std::to_string(i) + ".example.com/claim/");
  return keys;
}

// Keys that differ only before their last eight bytes: 224 keys, three
// 32-bit hashes.
std::vector<std::string> CollidingKeys() {
  std::vector<std::string> keys;
  for (const char a : std::string("abcdefghijklmnop"))
    for (const char b : std::string("xyzXYZ0"))
      for (const char c : std::string("-_")) keys.push_back(std::string{a, b, c} + "/claim/page");
  return keys;
}

// Short keys over a few letters, case variants and high bytes among them.
std::vector<std::string> ShortKeys() {
  std::vector<std::string> keys;
  const std::string letters = "aAb\xFF";
  for (const char a : letters) {
    keys.push_back(std::string{a});
    for (const char b : letters) keys.push_back(std::string{a, b});
  }
  return keys;
}

struct Traffic {
  const char* name;
  std::vector<std::string> keys;
  int steps;
  int clearEvery;  // on average, in steps
};

TEST(IntegerHashDifferentialTest, KeepsEveryObservableOfThePlainTable) {
  std::vector<std::string> mixed = UrlKeys();
  for (const std::string& k : CollidingKeys()) mixed.push_back(k);
  for (const std::string& k : ShortKeys()) mixed.push_back(k);
  const Traffic cases[] = {
      {"url keys", UrlKeys(), 30000, 20000},
      {"colliding keys", CollidingKeys(), 30000, 20000},
      {"short keys", ShortKeys(), 5000, 1000},
      {"mixed", mixed, 40000, 5000},
  };
  for (const Traffic& c : cases) {
    SCOPED_TRACE(c.name);
    std::mt19937 random(20261210);
    InspectedIntegerHash table;
    PlainIntegerHash plain;
    for (int step = 0; step < c.steps; ++step) {
      // One draw in 200 is the empty key.
      const std::string key = random() % 200 == 0 ? "" : c.keys[random() % c.keys.size()];
      const int32_t value = static_cast<int32_t>(random());
      // Phases of mostly adding and mostly deleting, so that free slots
      // gather to a compaction and the table fills up again.
      const bool filling = step / 1500 % 2 == 0;
      const unsigned sets = filling ? 60 : 15;
      const unsigned op = random() % 100;
      std::string what;
      Outcome got, want;
      if (op < sets) {
        what = "set";
        got = OutcomeOf([&] { return table.SetItem(key, value), 0; });
        want = OutcomeOf([&] { return plain.SetItem(key, value), 0; });
      } else if (op < 75) {
        what = "delete";
        got = OutcomeOf([&] { return table.Delete(key), 0; });
        want = OutcomeOf([&] { return plain.Delete(key), 0; });
      } else if (op < 87) {
        what = "get";
        got = OutcomeOf([&] { return table.GetItem(key); });
        want = OutcomeOf([&] { return plain.GetItem(key); });
      } else if (op < 97) {
        what = "exists";
        got = OutcomeOf([&] { return int32_t(table.Exists(key)); });
        want = OutcomeOf([&] { return int32_t(plain.Exists(key)); });
        // Find answers as Exists and GetItem do.
        const Outcome found = OutcomeOf([&] { return table.Find(key).value_or(-1); });
        const Outcome plainFound =
            OutcomeOf([&] { return plain.Exists(key) ? plain.GetItem(key) : -1; });
        ASSERT_EQ(found, plainFound) << step << " find \"" << key << "\"";
      } else if (op < 99) {
        what = "allow compaction";
        table.AllowCompaction = plain.AllowCompaction = random() % 4 != 0;
      } else if (random() % (c.clearEvery / 100 + 1) == 0) {
        what = "clear";
        table.Clear();
        plain.Clear();
      }
      const std::string stepText = std::to_string(step) + " " + what + " \"" + key + "\"";
      ASSERT_EQ(got, want) << stepText << ": " << got.exception << " / " << want.exception;
      ASSERT_NO_FATAL_FAILURE(ExpectSameState(table, plain, stepText));
      // Every key present in the plain table answers the same in the real one.
      if (step % 997 == 0) {
        for (const auto& bucket : plain.Buckets)
          for (const THashItem& item : bucket) {
            ASSERT_EQ(table.SlotOf(item.Key), item.ItemIndex) << stepText;
            ASSERT_EQ(table.GetItem(item.Key), plain.Values[item.ItemIndex]) << stepText;
          }
      }
    }
  }
}

// Copies carry their own index: changing one leaves the other's lookups right.
TEST(IntegerHashDifferentialTest, CopiesKeepTheirOwnIndex) {
  TIntegerHash table;
  for (const std::string& k : CollidingKeys()) table.SetItem(k, static_cast<int32_t>(k.size()));
  TIntegerHash copy = table;
  const std::vector<std::string> keys = CollidingKeys();
  table.Delete(keys[0]);
  table.SetItem("fresh", 1);
  EXPECT_TRUE(copy.Exists(keys[0]));
  EXPECT_FALSE(copy.Exists("fresh"));
  EXPECT_EQ(copy.BucketKeys(copy.BucketOf(keys[0])).front(), keys[0]);
  // The moved last entry is found at its new place in the original only.
  EXPECT_EQ(table.BucketKeys(table.BucketOf(keys[0])).front(), keys.back());
  for (size_t i = 1; i < keys.size(); ++i) {
    EXPECT_EQ(table.GetItem(keys[i]), copy.GetItem(keys[i]));
    EXPECT_EQ(table.SlotOf(keys[i]), copy.SlotOf(keys[i]));
  }
}

}  // namespace
}  // namespace trelio
