#include "hashes/KeyPlaceIndex.h"

#include <functional>

#include "hashes/Hashes.h"

namespace trelio {

uint64_t KeyPlaceIndex::HashOf(std::string_view key) { return std::hash<std::string_view>{}(key); }

KeyPlaceIndex::Place KeyPlaceIndex::Find(const BucketArray& buckets, std::string_view key,
                                         uint64_t hash) const {
  if (slots_.empty()) return {};
  for (size_t i = Home(hash);; i = Next(i)) {
    const Slot& s = slots_[i];
    if (s.place.bucket < 0) return {};
    if (s.hash == hash && buckets[s.place.bucket][s.place.position].Key == key) return s.place;
  }
}

void KeyPlaceIndex::Add(uint64_t hash, Place place) {
  if ((used_ + 1) * 2 > slots_.size()) Grow();
  size_t i = Home(hash);
  while (slots_[i].place.bucket >= 0) i = Next(i);
  slots_[i] = {hash, place};
  ++used_;
}

size_t KeyPlaceIndex::SlotOf(uint64_t hash, Place place) const {
  size_t i = Home(hash);
  while (slots_[i].place.bucket != place.bucket || slots_[i].place.position != place.position)
    i = Next(i);
  return i;
}

void KeyPlaceIndex::Remove(uint64_t hash, Place place) {
  size_t hole = SlotOf(hash, place);
  // Shift back every later slot of the run whose home does not lie between
  // the hole and itself, so no probe meets an empty slot before its key.
  for (size_t j = Next(hole); slots_[j].place.bucket >= 0; j = Next(j)) {
    const size_t home = Home(slots_[j].hash);
    const bool homeInRange = hole <= j ? (hole < home && home <= j) : (hole < home || home <= j);
    if (homeInRange) continue;
    slots_[hole] = slots_[j];
    hole = j;
  }
  slots_[hole] = {0, {}};
  --used_;
}

void KeyPlaceIndex::Move(uint64_t hash, Place from, Place to) {
  slots_[SlotOf(hash, from)].place = to;
}

void KeyPlaceIndex::Clear() {
  slots_.clear();
  used_ = 0;
}

void KeyPlaceIndex::Reserve(size_t keys) {
  size_t slotCount = slots_.empty() ? 16 : slots_.size();
  while (keys * 2 > slotCount) slotCount *= 2;
  if (slotCount > slots_.size()) Rehash(slotCount);
}

void KeyPlaceIndex::Grow() { Rehash(slots_.empty() ? 16 : slots_.size() * 2); }

void KeyPlaceIndex::Rehash(size_t slotCount) {
  std::vector<Slot> old(slotCount, Slot{0, {}});
  old.swap(slots_);
  for (const Slot& s : old) {
    if (s.place.bucket < 0) continue;
    size_t i = Home(s.hash);
    while (slots_[i].place.bucket >= 0) i = Next(i);
    slots_[i] = s;
  }
}

}  // namespace trelio
