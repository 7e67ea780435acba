// Reading the lines and fields of an index file.
#pragma once

#include <string_view>

#include "app/core/index/FaucetItem.h"

namespace trelio {

// Cuts file bytes into lines: a line runs to its first CR or LF, the next one
// starts after the next LF, and a byte 0x1A ends the input.
class IndexLineReader {
 public:
  explicit IndexLineReader(std::string_view bytes);
  // False once the input is used up.
  bool Next(std::string_view& line);

 private:
  std::string_view rest_;
};

// Fills the fields of `item` from one line, positionally: cut at every
// separator, each piece without one enclosing pair of double quotes; missing
// fields are empty and fields after the last one are ignored.
void SplitIndexLine(std::string_view line, char separator, FaucetItem& item);

}  // namespace trelio
