#include "app/core/index/IndexLineWriter.h"

#include <array>
#include <utility>

#include "app/core/index/IndexText.h"

namespace trelio {
namespace {

// Bytes that would end a line, end the input or split a field.
constexpr bool IsUnsafeByte(char c) { return c == '\r' || c == '\n' || c == '\x1A' || c == ';'; }

// One pass over the bytes, one table look-up each; find_first_of would
// search the set once per byte.
constexpr auto kUnsafeBytes = [] {
  std::array<bool, 256> unsafe{};
  for (int c = 0; c < 256; ++c) unsafe[size_t(c)] = IsUnsafeByte(static_cast<char>(c));
  return unsafe;
}();

bool HasUnsafeByte(std::string_view text) {
  bool unsafe = false;
  for (const char c : text) unsafe |= kUnsafeBytes[static_cast<unsigned char>(c)];
  return unsafe;
}

void AppendField(std::string& out, FaucetField field, std::string_view text) {
  std::string cleaned;
  if (HasUnsafeByte(text)) {
    cleaned = WithoutUnsafeBytes(field, text);
    text = cleaned;
  }
  // The reader takes one enclosing pair of double quotes off every field.
  const bool quoted = text.size() >= 2 && text.front() == '"' && text.back() == '"';
  if (quoted) out += '"';
  out += text;
  if (quoted) out += '"';
}

}  // namespace

std::string WithoutUnsafeBytes(FaucetField field, std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    if (!IsUnsafeByte(c)) {
      out += c;
    } else if (c == ';' && field == fUrl) {
      // Percent-encoding keeps a URL working; elsewhere the character is
      // dropped, as names already lose theirs when they are entered.
      out += "%3B";
    }
  }
  return out;
}

void TakeWrittenFields(FaucetItem& row, char systemDecimalSeparator) {
  for (int f = 0; f < kFaucetFieldCount; ++f) {
    const FaucetField field = static_cast<FaucetField>(f);
    const std::string_view text = std::as_const(row)[field];
    const bool decimal = field >= fTotalPayout && field <= fAveragePayout &&
                         systemDecimalSeparator != '.' &&
                         text.find(systemDecimalSeparator) != std::string::npos;
    if (!decimal && !HasUnsafeByte(text)) continue;
    std::string written =
        decimal ? NormalizeDecimal(text, systemDecimalSeparator) : std::string(text);
    if (HasUnsafeByte(written)) written = WithoutUnsafeBytes(field, written);
    row.Edit(field) = std::move(written);
  }
}

void AppendIndexLine(std::string& out, const FaucetItem& row, int fieldCount,
                     char systemDecimalSeparator) {
  for (int f = 0; f < fieldCount; ++f) {
    if (f > 0) out += ';';
    const FaucetField field = static_cast<FaucetField>(f);
    if (field >= fTotalPayout && field <= fAveragePayout && systemDecimalSeparator != '.')
      AppendField(out, field, NormalizeDecimal(row[field], systemDecimalSeparator));
    else
      AppendField(out, field, row[field]);
  }
  out += "\r\n";
}

}  // namespace trelio
