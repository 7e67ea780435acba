#include "app/core/payout/PayoutTemplates.h"

#include "app/core/text/TextSplit.h"

namespace trelio {

std::vector<std::string> TemplatePhrases(std::string_view setting, std::string_view builtIn) {
  return SplitText("|", setting.empty() ? builtIn : setting);
}

}  // namespace trelio
