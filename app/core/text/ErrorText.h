// The words of a failure, for the error box, the status bar or stderr: UTF-8,
// like the paths they name, with the message texts of the active language.
#pragma once

#include <string>
#include <string_view>

#include "app/platform/Outcome.h"

namespace trelio {

// What failed and on which path, then why: `<what> "<path>": <reason>`.
std::string ErrorText(std::string_view what, std::string_view path, std::string_view reason);
// The operating system's words for an error number.
std::string SystemErrorText(int err);

// A failed file step in words, e.g. `Cannot write "<path>": File too large`.
std::string ErrorText(const FileFailure& failure);
// The outcome's words: its text, or its file step's; empty when it succeeded.
std::string ErrorText(const Outcome& outcome);

}  // namespace trelio
