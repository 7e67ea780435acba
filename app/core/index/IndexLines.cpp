#include "app/core/index/IndexLines.h"

#include <bit>
#include <cstdint>
#include <cstring>

#include "app/core/index/IndexText.h"

namespace trelio {

IndexLineReader::IndexLineReader(std::string_view bytes) : rest_(bytes) {
  const size_t end = rest_.find('\x1A');
  if (end != std::string_view::npos) {
    rest_ = rest_.substr(0, end);
    cutShort_ = true;
  }
}

bool IndexLineReader::Next(std::string_view& line) {
  if (rest_.empty()) return false;
  // The LF first, then a CR only before it: each byte is looked at no more
  // than twice, whatever the line ends are.
  const char* const begin = rest_.data();
  const auto* lf = static_cast<const char*>(std::memchr(begin, '\n', rest_.size()));
  const size_t lineSpan = lf ? static_cast<size_t>(lf - begin) : rest_.size();
  const auto* cr = static_cast<const char*>(std::memchr(begin, '\r', lineSpan));
  line = rest_.substr(0, cr ? static_cast<size_t>(cr - begin) : lineSpan);
  crLf_ = lf && cr && cr + 1 == lf;
  rest_ = lf ? rest_.substr(lineSpan + 1) : std::string_view();
  return true;
}

namespace {

// The first `separator` in [at, end), or end: eight bytes at a time, as fields
// are short and a memchr call per field costs more than it saves.
const char* FindSeparator(const char* at, const char* end, char separator) {
  constexpr uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
  const uint64_t pattern = 0x0101010101010101ULL * static_cast<unsigned char>(separator);
  for (; end - at >= 8; at += 8) {
    uint64_t word;
    std::memcpy(&word, at, 8);
    const uint64_t x = word ^ pattern;
    // The top bit of exactly each zero byte of x, with no carry between bytes.
    const uint64_t zero = ~(((x & kLow7) + kLow7) | x | kLow7);
    if (zero) {
      const int byte = std::endian::native == std::endian::little ? std::countr_zero(zero) / 8
                                                                  : std::countl_zero(zero) / 8;
      return at + byte;
    }
  }
  while (at != end && *at != separator) ++at;
  return at;
}

}  // namespace

bool SplitIndexLine(std::string_view line, char separator, FaucetItem& item) {
  // The fields are the line less its separators and quotes: its length is
  // room enough.
  FaucetItem::FieldFiller fields(item, line.size());
  // Every field as it stands, and no more nor fewer of them than the line has.
  bool exact = true;
  const char* at = line.data();
  const char* const end = at + line.size();
  bool more = true;  // a field starts at `at`
  int f = 0;
  for (; f < kFaucetFieldCount && more; ++f) {
    const char* const stop = FindSeparator(at, end, separator);
    const std::string_view piece(at, size_t(stop - at));
    const std::string_view text = StripQuotes(piece);
    exact = exact && text.size() == piece.size();
    fields.Append(text);
    more = stop != end;
    at = more ? stop + 1 : end;
  }
  return exact && !more && f == kFaucetFieldCount;
}

bool LineIsWrittenAs(std::string_view line, const FaucetItem& item) {
  size_t at = 0;
  for (int f = 0; f < kFaucetFieldCount; ++f) {
    const std::string_view field = item[FaucetField(f)];
    // The writer gives such a field one more pair of quotes.
    if (field.size() >= 2 && field.front() == '"' && field.back() == '"') return false;
    if (f > 0) {
      if (at >= line.size() || line[at] != ';') return false;
      ++at;
    }
    if (line.compare(at, field.size(), field) != 0) return false;
    at += field.size();
  }
  return at == line.size();
}

}  // namespace trelio
