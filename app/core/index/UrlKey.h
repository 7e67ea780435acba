// The URL key: a faucet URL cut short so that the referral variants of one
// faucet give one key.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// Cut before the first "?", else before the first "/ref/", else before the
// first "{R}"; otherwise the whole URL. Case-sensitive, nothing trimmed; the
// key may be empty.
std::string StripReferral(std::string_view url);
// The same key as a view into `url`.
std::string_view StripReferralView(std::string_view url);

}  // namespace trelio
