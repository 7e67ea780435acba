// The texts of the page scripts that the browser windows run.
#pragma once

#include <string>
#include <string_view>

namespace trelio {

// The "|"-separated ignore names as the items of a JavaScript array literal:
// each non-empty name as a double-quoted string, separated by ","; an empty
// name between two others leaves an empty slot, an empty list no item.
// codePage is the code page of the names.
std::string IgnoreNamesList(std::string_view ignoreNames, int codePage);

// The address-insertion script with the address input field setting, the
// wallet
// address and the ignore names put in, each as the literal text it is.
// The result is plain ASCII whatever bytes the values hold.
std::string InsertAddressScript(std::string_view inputField, std::string_view address,
                                std::string_view ignoreNames, int codePage);

// The interval-detection script.
std::string_view DetectIntervalScript();

// The one-line script that reports the document title, once there is one or
// the document has been parsed.
std::string_view TitleQueryScript();

}  // namespace trelio
