// The decimal separator of the user's regional settings.
#pragma once

namespace trelio {

// Reads the separator of the user's numeric locale (LC_ALL, LC_NUMERIC, LANG),
// then puts the C numeric locale in force for the process, so that "." is the
// separator of every number formatted or read afterwards. "." when the user's
// locale is not installed or its separator is not a single ASCII character.
// Changes the process locale: call it at start-up, before other threads run.
char TakeUserDecimalSeparator();

}  // namespace trelio
