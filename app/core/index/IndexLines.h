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
  // The last line read was ended by CR LF, as written lines are.
  bool EndedByCrLf() const { return crLf_; }
  // A byte 0x1A ended the input before the end of the bytes.
  bool CutShort() const { return cutShort_; }

 private:
  std::string_view rest_;
  bool crLf_ = false;
  bool cutShort_ = false;
};

// Fills the fields of `item` from one line, positionally: cut at every
// separator, each piece without one enclosing pair of double quotes; missing
// fields are empty and fields after the last one are ignored. True when the
// line is exactly the fields joined by the separator, as LineIsWrittenAs tells.
bool SplitIndexLine(std::string_view line, char separator, FaucetItem& item);

// True when the fields of `item` joined by ";" are exactly `line` and none of
// them would be written otherwise (quoted): a line written for the row is then
// the line read. False says nothing.
bool LineIsWrittenAs(std::string_view line, const FaucetItem& item);

}  // namespace trelio
