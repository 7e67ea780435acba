#include "app/core/items/ItemActions.h"

#include "app/core/index/UrlKey.h"
#include "app/core/items/UrlEncode.h"
#include "app/platform/MakerServer.h"

namespace trelio {
namespace {

std::string_view ActionName(ItemAction action) {
  switch (action) {
    case ItemAction::Add:
      return "add";
    case ItemAction::Remove:
      return "remove";
    case ItemAction::Hide:
      return "hide";
    case ItemAction::Show:
      return "show";
    case ItemAction::FavoriteAdd:
      return "fauadd";
    case ItemAction::FavoriteDelete:
      return "faudel";
  }
  return {};
}

}  // namespace

std::string ItemActionUrl(std::string_view server, ItemAction action, const FaucetItem& row) {
  std::string url = HttpUrl(server, "/trelio/a.php?a=");
  url += ActionName(action);
  const std::string key = UrlEncode(StripReferral(row[fUrl]));
  if (action == ItemAction::Add) {
    url += "&c=" + UrlEncode(row[fCurrency]);
    url += "&n=" + UrlEncode(row[fName]);
    url += "&l=" + key;
    url += "&m=" + UrlEncode(row[fInterval]);
    url += "&i=" + UrlEncode(row[fInput]);
  } else {
    url += "&l=" + key;
  }
  return url;
}

}  // namespace trelio
