// The phrase lists that recognise a payout in a page text.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace trelio {

inline constexpr std::string_view kDefaultRightPartTemplate =
    "was sent|has been added|were accumulated|was added";
inline constexpr std::string_view kDefaultLeftPartTemplate =
    "you win|you have claimed|you claimed|your reward|successfully requested|success! "
    "claimed|you've claimed";
inline constexpr std::string_view kDefaultNoPayTemplate =
    "insufficient funds|this faucet exceeded it's safety limits|this faucet made too many "
    "requests, try again later|too many requests, please try again later|the send limit set by "
    "the faucet owner has been reached, please try again later|unknown error|unknown fh api "
    "error. please try again|too many api requests! please try again later|safety limit "
    "reached! please try again later";

// Each a "|"-separated list, lower-cased as the settings hold it; an empty text
// stands for the built-in list.
struct PayoutTemplates {
  std::string rightPart;  // phrases that follow the amount
  std::string leftPart;   // phrases that precede the amount
  std::string noPay;      // phrases that mean no payment
};

// The elements of a template, or of the built-in list when it is empty.
std::vector<std::string> TemplatePhrases(std::string_view setting, std::string_view builtIn);

}  // namespace trelio
