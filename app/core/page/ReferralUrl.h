// Putting the user's referral address into a faucet URL, and the URL key
// without scheme that recognises a faucet's page.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// The URL to open: "{R}" replaced by ref, else ref added as the "r" or "ref"
// parameter that the URL already has, else "?r=" + ref when it has no query.
// ref is inserted as it is.
std::string AddReferral(std::string_view url, std::string_view ref);

// The URL key without its "http://" or "https://" scheme, to be looked for in
// the address of a loaded page whichever scheme it was reached by.
std::string StripReferralAndScheme(std::string_view url);

}  // namespace trelio
