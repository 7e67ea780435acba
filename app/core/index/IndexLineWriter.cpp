#include "app/core/index/IndexLineWriter.h"

#include "app/core/index/IndexText.h"

namespace trelio {
namespace {

constexpr std::string_view kUnsafe("\r\n\x1A;", 4);

void AppendField(std::string& out, FaucetField field, std::string_view text) {
  std::string cleaned;
  if (text.find_first_of(kUnsafe) != std::string_view::npos) {
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
    if (c == '\r' || c == '\n' || c == '\x1A') continue;
    if (c == ';') {
      // Percent-encoding keeps a URL working; elsewhere the character is
      // dropped, as names already lose theirs when they are entered.
      if (field == fUrl) out += "%3B";
      continue;
    }
    out += c;
  }
  return out;
}

std::string FieldForFile(FaucetField field, std::string_view text) {
  std::string out;
  AppendField(out, field, text);
  return out;
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
