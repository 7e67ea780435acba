#include "app/core/text/TextSplit.h"

namespace trelio {

std::vector<std::string> SplitText(std::string_view delimiter, std::string_view text) {
  std::vector<std::string> pieces;
  size_t from = 0;
  if (!delimiter.empty()) {
    for (size_t p; (p = text.find(delimiter, from)) != std::string_view::npos;
         from = p + delimiter.size())
      pieces.emplace_back(text.substr(from, p - from));
  }
  pieces.emplace_back(text.substr(from));
  return pieces;
}

int64_t PosFrom(std::string_view text, std::string_view sub, int64_t offset) {
  if (text.empty() || sub.empty() || offset < 1 || uint64_t(offset) > text.size()) return 0;
  const size_t p = text.find(sub, size_t(offset - 1));
  return p == std::string_view::npos ? 0 : int64_t(p) + 1;
}

}  // namespace trelio
