// String-keyed hash tables with a fixed number of buckets.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

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

uint32_t HashString(const std::string& key);

// (to be completed: THash with Buckets, FreeSlots, AllowCompaction and the
// virtual value operations; TIntegerHash with Values, GetItem, SetItem.)
// Public surface used by the rest of the program:
//   bool THash::Exists(const std::string& key) const;
//   void THash::Delete(const std::string& key);
//   void THash::Clear();
//   int32_t TIntegerHash::GetItem(const std::string& key) const;
//   void TIntegerHash::SetItem(const std::string& key, int32_t value);

}  // namespace trelio
