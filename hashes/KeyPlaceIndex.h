// An index from key to the place of its entry in the buckets of a THash.
//
// Open addressing with linear probing over one array: no allocation per key,
// and the keys themselves stay only in the bucket entries, where a probe
// compares them.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace trelio {

struct THashItem;

class KeyPlaceIndex {
 public:
  struct Place {
    int32_t bucket = -1;  // -1: no place
    int32_t position = -1;
  };
  using BucketArray = std::vector<std::vector<THashItem>>;

  // The hash every other call takes; independent of the bucket hash.
  static uint64_t HashOf(std::string_view key);

  // The place of `key` in `buckets`, or no place when it is not indexed.
  Place Find(const BucketArray& buckets, std::string_view key, uint64_t hash) const;
  // Indexes a key that is not indexed yet.
  void Add(uint64_t hash, Place place);
  // Forgets the key of `hash` that sits at `place`.
  void Remove(uint64_t hash, Place place);
  // The entry of the key of `hash` moved from `from` to `to`.
  void Move(uint64_t hash, Place from, Place to);
  void Clear();
  // Room for this many keys without growing again.
  void Reserve(size_t keys);

 private:
  struct Slot {
    uint64_t hash;
    Place place;  // no place: the slot is empty
  };
  size_t Home(uint64_t hash) const { return hash & (slots_.size() - 1); }
  size_t Next(size_t i) const { return (i + 1) & (slots_.size() - 1); }
  // The slot that holds exactly this place.
  size_t SlotOf(uint64_t hash, Place place) const;
  void Grow();
  // Rehashes into this many slots, a power of two above twice the used ones.
  void Rehash(size_t slotCount);

  std::vector<Slot> slots_;  // empty or a power of two, at most half used
  size_t used_ = 0;
};

}  // namespace trelio
