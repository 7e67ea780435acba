#include "app/core/index/IndexDownload.h"

namespace trelio {

bool CanBeIndexFile(std::string_view body) {
  if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
  const size_t first = body.find_first_not_of(" \t\r\n");
  return first == std::string_view::npos || body[first] != '<';
}

}  // namespace trelio
