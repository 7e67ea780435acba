// String-keyed hash tables with a fixed number of buckets.
//
// Keys live in the buckets; each key entry names a value slot, and the values
// live in an array of the descendant, indexed by slot. Freed slots are kept on
// a stack and reused last-freed first; the value array is compacted once
// enough of them have gathered.
//
// The bucket layout is what callers observe; a key is found through a side
// index from key to its place in its bucket, so a lookup does not depend on
// the length of the bucket (the hash crowds realistic URL keys into a few).
#pragma once

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "hashes/KeyPlaceIndex.h"

namespace trelio {

class EHashError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class EHashFindError : public EHashError {
 public:
  using EHashError::EHashError;
};
class EHashInvalidKeyError : public EHashError {
 public:
  using EHashError::EHashError;
};

// Raises EHashInvalidKeyError for an empty key.
uint32_t HashString(const std::string& key);

struct THashItem {
  uint32_t Hash;
  int32_t ItemIndex;
  std::string Key;
};

class THash {
 public:
  THash();
  virtual ~THash() = default;

  bool Exists(const std::string& key) const;
  // Raises EHashFindError when the key is absent.
  void Delete(const std::string& key);
  void Clear();
  // Room for this many keys: adding them allocates no more bookkeeping.
  void Reserve(int32_t keys);

  // Compaction runs only while this is set; it is set from creation.
  bool AllowCompaction = true;

  // Read-only views of the bookkeeping.
  // The value slot of a key, or -1 when it is absent.
  int32_t SlotOf(const std::string& key) const;
  int32_t FreeSlotCount() const { return static_cast<int32_t>(FreeSlots.size()); }
  // The keys of one bucket, in entry order.
  std::vector<std::string> BucketKeys(int32_t bucket) const;
  int32_t BucketOf(const std::string& key) const { return HashString(key) & BucketMask; }

 protected:
  THash(const THash&) = default;
  THash(THash&&) = default;
  THash& operator=(const THash&) = default;
  THash& operator=(THash&&) = default;

  struct FoundKey {
    bool found;
    int32_t bucket;
    int32_t position;
    uint32_t hash;       // of the key, so that adding it need not hash it again
    uint64_t placeHash;  // of the key in the index of places
  };
  FoundKey FindKey(const std::string& key) const;
  // Appends an entry for an absent key at the end of the bucket FindKey named.
  void AddEntry(const FoundKey& where, int32_t slot, std::string key);
  virtual void ReserveValues(int32_t count) = 0;
  int32_t AllocIndex();
  void CompactIfNeeded();
  void Compact();

  // The value operations of a descendant.
  virtual void ClearValue(int32_t slot) = 0;
  virtual void MoveValue(int32_t from, int32_t to) = 0;
  virtual void TrimValues(int32_t length) = 0;
  virtual void ClearValues() = 0;
  virtual int32_t HighValueIndex() const = 0;

  std::vector<std::vector<THashItem>> Buckets;
  int32_t BucketBits = 7;
  int32_t BucketCount = 0;
  int32_t BucketMask = 0;
  int32_t HighBucket = 0;
  std::vector<int32_t> FreeSlots;

 private:
  void ComputeBucketCount();
  void AllocBuckets();

  // Where each key's entry is, and where the entry of each used slot is;
  // kept in step with every change of Buckets and of the slots.
  KeyPlaceIndex Places;
  std::vector<KeyPlaceIndex::Place> SlotPlaces;
};

class TIntegerHash : public THash {
 public:
  TIntegerHash() = default;
  TIntegerHash(const TIntegerHash&) = default;
  TIntegerHash(TIntegerHash&&) = default;
  TIntegerHash& operator=(const TIntegerHash&) = default;
  TIntegerHash& operator=(TIntegerHash&&) = default;

  // Raises EHashFindError when the key is absent.
  int32_t GetItem(const std::string& key) const;
  // The key's value, or nullopt when it is absent: Exists and GetItem in one
  // look-up.
  std::optional<int32_t> Find(const std::string& key) const;
  // Adds the key when it is absent; never compacts.
  void SetItem(const std::string& key, int32_t value);
  // The same; an added key is moved into the table.
  void SetItem(std::string&& key, int32_t value);

  // Number of value slots, in use or freed since the last compaction.
  int32_t ValueCount() const { return static_cast<int32_t>(Values.size()); }

 protected:
  void ClearValue(int32_t slot) override;
  void MoveValue(int32_t from, int32_t to) override;
  void TrimValues(int32_t length) override;
  void ClearValues() override;
  int32_t HighValueIndex() const override;
  void ReserveValues(int32_t count) override;
  // A value slot holding `value`, for a key about to be added.
  int32_t NewSlot(int32_t value);

  std::vector<int32_t> Values;
};

}  // namespace trelio
