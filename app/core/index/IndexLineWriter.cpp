#include "app/core/index/IndexLineWriter.h"

#include <cstdint>
#include <cstring>
#include <utility>

#include "app/core/index/IndexText.h"

namespace trelio {
namespace {

// Bytes that would end a line, end the input or split a field.
constexpr bool IsUnsafeByte(char c) { return c == '\r' || c == '\n' || c == '\x1A' || c == ';'; }

// Sixteen bytes at a time (the compiler's vector type): a save looks at every
// byte of every row, and a look-up per byte cost most of it.
bool HasUnsafeByte(std::string_view text) {
  using Bytes = unsigned char __attribute__((vector_size(16)));
  const char* at = text.data();
  const char* const end = at + text.size();
  for (; end - at >= 16; at += 16) {
    Bytes bytes;
    std::memcpy(&bytes, at, sizeof bytes);
    const auto unsafe = (bytes == '\r') | (bytes == '\n') | (bytes == 0x1A) | (bytes == ';');
    uint64_t halves[2];
    std::memcpy(halves, &unsafe, sizeof halves);
    if (halves[0] | halves[1]) return true;
  }
  for (; at != end; ++at)
    if (IsUnsafeByte(*at)) return true;
  return false;
}

bool IsPayoutField(int f) { return f >= fTotalPayout && f <= fAveragePayout; }

bool NeedsMoreQuotes(std::string_view text) {
  return text.size() >= 2 && text.front() == '"' && text.back() == '"';
}

bool HasDecimalToRewrite(const FaucetItem& row, int fieldCount, char systemDecimalSeparator) {
  if (systemDecimalSeparator == '.') return false;
  for (int f = fTotalPayout; f <= fAveragePayout && f < fieldCount; ++f)
    if (row[FaucetField(f)].find(systemDecimalSeparator) != std::string_view::npos) return true;
  return false;
}

// True when fields 0 to fieldCount - 1 go out exactly as the row holds them:
// no unsafe byte, no pair of quotes to add, no decimal to rewrite.
bool WrittenAsHeld(const FaucetItem& row, int fieldCount, char systemDecimalSeparator) {
  const std::string_view all = row.FieldText();
  const std::string_view last = row[FaucetField(fieldCount - 1)];
  if (HasUnsafeByte(all.substr(0, size_t(last.data() + last.size() - all.data())))) return false;
  for (int f = 0; f < fieldCount; ++f)
    if (NeedsMoreQuotes(row[FaucetField(f)])) return false;
  return !HasDecimalToRewrite(row, fieldCount, systemDecimalSeparator);
}

void AppendField(std::string& out, FaucetField field, std::string_view text) {
  std::string cleaned;
  if (HasUnsafeByte(text)) {
    cleaned = WithoutUnsafeBytes(field, text);
    text = cleaned;
  }
  // The reader takes one enclosing pair of double quotes off every field.
  const bool quoted = NeedsMoreQuotes(text);
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
  // Most rows hold nothing a save would change: one look at the whole row.
  const FaucetItem& held = row;
  if (!HasUnsafeByte(held.FieldText()) &&
      !HasDecimalToRewrite(held, kFaucetFieldCount, systemDecimalSeparator))
    return;
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
  if (fieldCount > 0 && WrittenAsHeld(row, fieldCount, systemDecimalSeparator)) {
    // The common row: its fields as they stand, with nothing looked at twice.
    for (int f = 0; f < fieldCount; ++f) {
      if (f > 0) out += ';';
      out += row[FaucetField(f)];
    }
    out += "\r\n";
    return;
  }
  for (int f = 0; f < fieldCount; ++f) {
    if (f > 0) out += ';';
    const FaucetField field = static_cast<FaucetField>(f);
    if (IsPayoutField(f) && systemDecimalSeparator != '.')
      AppendField(out, field, NormalizeDecimal(row[field], systemDecimalSeparator));
    else
      AppendField(out, field, row[field]);
  }
  out += "\r\n";
}

}  // namespace trelio
