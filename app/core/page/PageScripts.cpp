#include "app/core/page/PageScripts.h"

#include <array>
#include <utility>

#include "app/core/page/EmbeddedPageScripts.h"
#include "app/core/page/JsString.h"
#include "app/core/text/TextSplit.h"
#include "app/platform/CodePage.h"

namespace trelio {
namespace {

std::string JsText(std::string_view ansi, int codePage) {
  return JsStringContent(AnsiToUtf16(ansi, codePage));
}

}  // namespace

std::string IgnoreNamesList(std::string_view ignoreNames, int codePage) {
  std::string names;
  for (const std::string& piece : SplitText("|", ignoreNames)) {
    if (!names.empty()) names += ',';
    if (!piece.empty()) names += '"' + JsText(piece, codePage) + '"';
  }
  return names;
}

std::string InsertAddressScript(std::string_view inputField, std::string_view address,
                                std::string_view ignoreNames, int codePage) {
  const std::array<std::pair<std::string_view, std::string>, 3> values = {{
      {"%STR%", JsText(inputField, codePage)},
      {"%ADDRESS%", JsText(address, codePage)},
      {"%IGNORE_FIELD_NAMES%", IgnoreNamesList(ignoreNames, codePage)},
  }};
  // One pass over the template, so a value that holds a placeholder stays as
  // it is.
  const std::string_view tmpl = EmbeddedPageScript("insert-address.js");
  std::string script;
  script.reserve(tmpl.size() + 64);
  size_t i = 0;
  while (i < tmpl.size()) {
    bool replaced = false;
    for (const auto& [placeholder, value] : values) {
      if (tmpl.substr(i, placeholder.size()) == placeholder) {
        script += value;
        i += placeholder.size();
        replaced = true;
        break;
      }
    }
    if (!replaced) script += tmpl[i++];
  }
  return script;
}

std::string_view DetectIntervalScript() { return EmbeddedPageScript("detect-interval.js"); }

// The document is announced as soon as it exists, before its title may have
// been parsed: while the page is loading without a title yet, look again
// every quarter of a second, at most for a minute.
std::string_view TitleQueryScript() {
  return "(function korvaneTrelioGetTitle(n) { if (document.title === \"\" && "
         "document.readyState === \"loading\" && n > 0) setTimeout(korvaneTrelioGetTitle, 250, "
         "n - 1); else console.log(\"KorvaneTrelio#T: \" + document.title); })(240);";
}

}  // namespace trelio
