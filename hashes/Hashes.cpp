#include "hashes/Hashes.h"

#include <algorithm>

namespace trelio {

uint32_t HashString(const std::string& key) {
  if (key.empty()) throw EHashInvalidKeyError("Key cannot be an empty string");
  uint32_t h = 0x12345670;
  for (const char c : key) {
    h = (h << 4) + static_cast<unsigned char>(c);
    // The top bits are or-ed back in and left set; the stored hashes and the
    // bucket of every key depend on exactly this form.
    const uint32_t t = h & 0xF0000000u;
    if (t != 0) h |= t >> 24;
  }
  return h;
}

THash::THash() {
  ComputeBucketCount();
  AllocBuckets();
}

void THash::ComputeBucketCount() {
  BucketCount = 1 << BucketBits;
  BucketMask = BucketCount - 1;
  HighBucket = BucketCount - 1;
}

void THash::AllocBuckets() { Buckets.assign(BucketCount, {}); }

THash::FoundKey THash::FindKey(const std::string& key) const {
  // Keys within a bucket are distinct, so the index names the same entry a
  // scan of the bucket from its start would find.
  const uint64_t placeHash = KeyPlaceIndex::HashOf(key);
  const KeyPlaceIndex::Place p = Places.Find(Buckets, key, placeHash);
  if (p.bucket >= 0)
    return {true, p.bucket, p.position, Buckets[p.bucket][p.position].Hash, placeHash};
  // The empty key is never indexed, so it always comes here and is refused.
  const uint32_t hash = HashString(key);
  return {false, static_cast<int32_t>(hash & static_cast<uint32_t>(BucketMask)), -1, hash,
          placeHash};
}

void THash::AddEntry(const FoundKey& where, int32_t slot, std::string key) {
  std::vector<THashItem>& items = Buckets[where.bucket];
  const KeyPlaceIndex::Place place{where.bucket, static_cast<int32_t>(items.size())};
  if (static_cast<size_t>(slot) >= SlotPlaces.size())
    SlotPlaces.resize(static_cast<size_t>(slot) + 1);
  items.push_back({where.hash, slot, std::move(key)});
  try {
    Places.Add(where.placeHash, place);
  } catch (...) {
    items.pop_back();
    throw;
  }
  SlotPlaces[slot] = place;
}

int32_t THash::AllocIndex() {
  if (!FreeSlots.empty()) {
    const int32_t slot = FreeSlots.back();
    FreeSlots.pop_back();
    return slot;
  }
  return HighValueIndex() + 1;
}

void THash::Reserve(int32_t keys) {
  if (keys <= 0) return;
  Places.Reserve(size_t(keys));
  SlotPlaces.reserve(size_t(keys));
  ReserveValues(keys);
}

bool THash::Exists(const std::string& key) const { return FindKey(key).found; }

void THash::Delete(const std::string& key) {
  const FoundKey f = FindKey(key);
  if (!f.found) throw EHashFindError("Key \"" + key + "\" not found");
  std::vector<THashItem>& items = Buckets[f.bucket];
  const int32_t slot = items[f.position].ItemIndex;
  ClearValue(slot);
  FreeSlots.push_back(slot);
  Places.Remove(f.placeHash, {f.bucket, f.position});
  // Entry order within a bucket is not kept: the last entry fills the hole.
  const int32_t last = static_cast<int32_t>(items.size()) - 1;
  if (f.position != last) {
    items[f.position] = std::move(items[last]);
    Places.Move(KeyPlaceIndex::HashOf(items[f.position].Key), {f.bucket, last},
                {f.bucket, f.position});
    SlotPlaces[items[f.position].ItemIndex] = {f.bucket, f.position};
  }
  items.pop_back();
  CompactIfNeeded();
}

void THash::CompactIfNeeded() {
  if (AllowCompaction && FreeSlots.size() >= 100) Compact();
}

void THash::Compact() {
  if (!AllowCompaction) return;
  // The highest used slots move into the lowest free ones, one by one, until
  // the two meet: the moves of a walk over every slot, found from the free
  // slots alone, and only the entries of moved slots renumbered.
  const int32_t n = HighValueIndex() + 1;
  std::vector<int32_t> free = FreeSlots;
  std::sort(free.begin(), free.end());
  size_t lowest = 0;           // the next free slot to fill
  size_t above = free.size();  // free[above..] lie above j
  int32_t j = n - 1;
  while (lowest < free.size()) {
    while (above > lowest && free[above - 1] == j) {
      --above;
      --j;
    }
    const int32_t i = free[lowest];
    if (j <= i) break;
    MoveValue(j, i);
    const KeyPlaceIndex::Place moved = SlotPlaces[j];
    Buckets[moved.bucket][moved.position].ItemIndex = i;
    SlotPlaces[i] = moved;
    ++lowest;
    --j;
  }
  // Every used slot now lies below the count of used slots.
  const int32_t used = n - static_cast<int32_t>(free.size());
  TrimValues(used);
  SlotPlaces.resize(static_cast<size_t>(used));
  FreeSlots.clear();
}

void THash::Clear() {
  ClearValues();
  FreeSlots.clear();
  for (std::vector<THashItem>& bucket : Buckets) bucket.clear();
  Places.Clear();
  SlotPlaces.clear();
}

int32_t THash::SlotOf(const std::string& key) const {
  const FoundKey f = FindKey(key);
  return f.found ? Buckets[f.bucket][f.position].ItemIndex : -1;
}

std::vector<std::string> THash::BucketKeys(int32_t bucket) const {
  std::vector<std::string> keys;
  for (const THashItem& item : Buckets.at(bucket)) keys.push_back(item.Key);
  return keys;
}

}  // namespace trelio
