// Word forms for a count by the Russian plural rule, used for both languages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace trelio {

// 1, 21, 101 -> singular; 2-4, 22-24 -> paucal; 0, 5-20, 25-30 and every
// negative count -> plural.
std::u16string PluralWord(int64_t count, std::u16string_view singular, std::u16string_view plural,
                          std::u16string_view paucal);

}  // namespace trelio
