#include "app/core/index/IndexLines.h"

#include "app/core/index/IndexText.h"

namespace trelio {

IndexLineReader::IndexLineReader(std::string_view bytes) : rest_(bytes) {
  const size_t end = rest_.find('\x1A');
  if (end != std::string_view::npos) rest_ = rest_.substr(0, end);
}

bool IndexLineReader::Next(std::string_view& line) {
  if (rest_.empty()) return false;
  const size_t end = rest_.find_first_of("\r\n");
  if (end == std::string_view::npos) {
    line = rest_;
    rest_ = {};
    return true;
  }
  line = rest_.substr(0, end);
  const size_t lf = rest_.find('\n', end);
  rest_ = lf == std::string_view::npos ? std::string_view() : rest_.substr(lf + 1);
  return true;
}

void SplitIndexLine(std::string_view line, char separator, FaucetItem& item) {
  size_t start = 0;
  for (int f = 0; f < kFaucetFieldCount; ++f) {
    if (start == std::string_view::npos) {
      item.fields[f].clear();
      continue;
    }
    const size_t end = line.find(separator, start);
    item.fields[f] =
        StripQuotes(line.substr(start, end == std::string_view::npos ? end : end - start));
    start = end == std::string_view::npos ? end : end + 1;
  }
}

}  // namespace trelio
