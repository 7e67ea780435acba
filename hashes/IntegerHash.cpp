#include "hashes/Hashes.h"

namespace trelio {

int32_t TIntegerHash::GetItem(const std::string& key) const {
  if (const std::optional<int32_t> value = Find(key)) return *value;
  throw EHashFindError("Key \"" + key + "\" not found");
}

std::optional<int32_t> TIntegerHash::Find(const std::string& key) const {
  const FoundKey f = FindKey(key);
  if (!f.found) return std::nullopt;
  return Values[Buckets[f.bucket][f.position].ItemIndex];
}

void TIntegerHash::SetItem(const std::string& key, int32_t value) {
  const FoundKey f = FindKey(key);
  if (f.found) {
    Values[Buckets[f.bucket][f.position].ItemIndex] = value;
    return;
  }
  AddEntry(f, NewSlot(value), key);
}

void TIntegerHash::SetItem(std::string&& key, int32_t value) {
  const FoundKey f = FindKey(key);
  if (f.found) {
    Values[Buckets[f.bucket][f.position].ItemIndex] = value;
    return;
  }
  AddEntry(f, NewSlot(value), std::move(key));
}

int32_t TIntegerHash::NewSlot(int32_t value) {
  const int32_t slot = AllocIndex();
  if (slot > HighValueIndex()) Values.resize(static_cast<size_t>(slot) + 1);
  Values[slot] = value;
  return slot;
}

void TIntegerHash::ClearValue(int32_t slot) { Values[slot] = 0; }

void TIntegerHash::MoveValue(int32_t from, int32_t to) { Values[to] = Values[from]; }

void TIntegerHash::TrimValues(int32_t length) { Values.resize(length, 0); }

void TIntegerHash::ClearValues() { Values.clear(); }

void TIntegerHash::ReserveValues(int32_t count) { Values.reserve(size_t(count)); }

int32_t TIntegerHash::HighValueIndex() const { return static_cast<int32_t>(Values.size()) - 1; }

}  // namespace trelio
