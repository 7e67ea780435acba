// Writing index rows as file lines that always read back as the same rows.
#pragma once

#include <string>
#include <string_view>

#include "app/core/index/FaucetItem.h"

namespace trelio {

// The field without the bytes that would break its line: CR, LF and 0x1A are
// dropped (they would end the line or the input); a ";" becomes "%3B" in the
// Url and is dropped elsewhere.
std::string WithoutUnsafeBytes(FaucetField field, std::string_view text);

// Gives each field of `row` the text that AppendIndexLine writes for it and
// a reader takes back (without unsafe bytes, payouts with "."); a field that
// stays as it is is not edited.
void TakeWrittenFields(FaucetItem& row, char systemDecimalSeparator);

// Appends fields 0 to fieldCount - 1 of `row` joined by ";" and ended by
// CR LF; the payout fields (10 to 15) are written with "." as separator. Each
// field goes in through WithoutUnsafeBytes, and a text that begins and ends
// with a double quote gets one more pair, which the reader takes off again.
void AppendIndexLine(std::string& out, const FaucetItem& row, int fieldCount,
                     char systemDecimalSeparator);

}  // namespace trelio
