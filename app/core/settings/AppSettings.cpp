#include "app/core/settings/AppSettings.h"

#include <algorithm>

#include "app/core/coins/CoinTable.h"
#include "app/core/payout/PayoutTemplates.h"
#include "app/core/settings/LanguageSetting.h"
#include "app/platform/CodePage.h"

namespace trelio {
namespace {

constexpr const char* kAddresses = "Addresses";
constexpr const char* kInterface = "Interface";
constexpr const char* kList = "List";
constexpr const char* kUpdating = "Updating options";
constexpr const char* kSystem = "System";
constexpr const char* kBrowsing = "Browsing options";
constexpr const char* kCompleting = "Completing options";
constexpr const char* kParser = "Parser";
constexpr const char* kRef = "Ref";

constexpr const char* kRightTemplate = "Right part of payout template";
constexpr const char* kLeftTemplate = "Left part of payout template";
constexpr const char* kIgnoreFieldNames = "Ignore field names";
constexpr const char* kNoPayTemplate = "No pay template";
constexpr const char* kNoPayIntervals = "No pay intervals";

constexpr std::string_view kDefaultIgnoreFieldNames = "adcopy_response";
constexpr std::string_view kDefaultNoPayIntervals = "1440";

std::string TabKey(int coin) { return std::string(kCoins[coin].name) + " Tab"; }
std::string LockKey(int coin) { return std::string(kCoins[coin].name) + " Lock"; }

void ShowAtLeastOneTab(AppSettings& s) {
  // Only "1" shows a tab, so without one no coin page could be shown at all.
  if (std::none_of(s.tabs.begin(), s.tabs.end(), [](const std::string& t) { return t == "1"; }))
    s.tabs[0].assign(1, '1');
}

}  // namespace

bool BoundsFitScreen(const WindowBounds& b, ScreenSize screen) {
  const int64_t w = screen.width, h = screen.height;
  return b.width <= w && b.height <= h && b.left <= w - 200 && b.top <= h - 200 && b.left >= 0 &&
         b.top >= 0;
}

AppSettings ReadAppSettings(const IniFile& ini, const SettingsEnvironment& env,
                            const LanguageHook& onLanguage) {
  AppSettings s;
  for (int c = 0; c < kCoinCount; ++c)
    s.addresses[c] = ini.ReadString(kAddresses, kCoins[c].name, "");

  const std::string localeLanguage = DefaultLanguageCode(env.abbreviatedLanguageName);
  std::string language = ini.ReadString(kInterface, "Language", localeLanguage);
  if (language.empty()) language = localeLanguage;
  s.language = LanguageCodeOf(language);
  if (onLanguage) onLanguage(s.language);

  s.page = ini.ReadInteger(kInterface, "Page", 0);
  s.bounds.left = ini.ReadInteger(kInterface, "Left", (env.screen.width - 960) / 2);
  s.bounds.top = ini.ReadInteger(kInterface, "Top", (env.screen.height - 600) / 2);
  s.bounds.width = ini.ReadInteger(kInterface, "Width", 960);
  s.bounds.height = ini.ReadInteger(kInterface, "Height", 600);
  s.maximized = ini.ReadInteger(kInterface, "Maximized", 0) == 1;
  s.leftPanelWidth = ini.ReadInteger(kInterface, "Left panel width", 202);
  s.topPanelHeight = ini.ReadInteger(kInterface, "Top panel height", 101);
  for (int c = 0; c < kCoinCount; ++c)
    s.tabs[c] = ini.ReadString(kInterface, TabKey(c), kCoins[c].tabByDefault ? "1" : "");
  for (int c = 0; c < kCoinCount; ++c) s.locks[c] = ini.ReadString(kInterface, LockKey(c), "");

  s.showHidden = ini.ReadInteger(kList, "Show hidden", 0) == 1;
  s.singleLineView = ini.ReadInteger(kList, "Single line view", 0) == 1;
  s.sortBy = ini.ReadInteger(kList, "Sort by", 4);
  s.order = ini.ReadInteger(kList, "Order", 1);
  s.hiddenAlwaysBelow = ini.ReadInteger(kList, "Hidden always below", 1);

  s.updatingWithShowingHiddenItems =
      ini.ReadInteger(kUpdating, "Updating with showing hidden items", 0);
  s.hidingBeforeUpdating = ini.ReadInteger(kUpdating, "Hiding before updating", 0);
  s.clearingBeforeUpdating = ini.ReadInteger(kUpdating, "Clearing before updating", 0);

  s.featureBrowserEmulation = ini.ReadInteger(kSystem, "FEATURE_BROWSER_EMULATION", 11001);
  s.blockPopups = ini.ReadInteger(kBrowsing, "Block pop-ups", 1);
  s.alwaysOnTop = ini.ReadInteger(kBrowsing, "Always on top", 0);
  s.processResultsWithoutPayment =
      ini.ReadInteger(kCompleting, "Process results without payment", 0);

  const auto lowered = [&](const char* key, std::string_view fallback) {
    return AnsiLowerCase(ini.ReadString(kParser, key, fallback), env.codePage);
  };
  s.rightPayoutTemplate = lowered(kRightTemplate, kDefaultRightPartTemplate);
  s.leftPayoutTemplate = lowered(kLeftTemplate, kDefaultLeftPartTemplate);
  s.ignoreFieldNames = lowered(kIgnoreFieldNames, kDefaultIgnoreFieldNames);
  s.noPayTemplate = lowered(kNoPayTemplate, kDefaultNoPayTemplate);
  s.noPayIntervals = ini.ReadString(kParser, kNoPayIntervals, kDefaultNoPayIntervals);

  for (int c = 0; c < kCoinCount; ++c) s.refs[c] = ini.ReadString(kRef, kCoins[c].name, "");

  ShowAtLeastOneTab(s);
  for (int c = 0; c < kCoinCount; ++c)
    s.effectiveReferrals[c] = std::string(EffectiveReferral(c, s.refs[c]));
  if (s.hidingBeforeUpdating == 1) {
    s.updatingWithShowingHiddenItems = 1;
    s.clearingBeforeUpdating = 0;
  }
  if (!BoundsFitScreen(s.bounds, env.screen)) {
    s.bounds = kDesignedBounds;
    s.maximized = false;
  }
  s.page = std::clamp(s.page, 0, kCoinCount - 1);
  s.leftPanelWidth = std::max(s.leftPanelWidth, kMinLeftPanelWidth);
  s.topPanelHeight = std::clamp(s.topPanelHeight, kMinTopPanelHeight, kMaxTopPanelHeight);
  return s;
}

void WriteAppSettings(IniFile& ini, const AppSettings& s) {
  for (int c = 0; c < kCoinCount; ++c) ini.WriteString(kAddresses, kCoins[c].name, s.addresses[c]);

  ini.WriteString(kInterface, "Language", s.language);
  ini.WriteInteger(kInterface, "Page", s.page);
  if (!s.maximized) {
    // A maximized exit keeps the last normal bounds.
    ini.WriteInteger(kInterface, "Left", s.bounds.left);
    ini.WriteInteger(kInterface, "Top", s.bounds.top);
    ini.WriteInteger(kInterface, "Width", s.bounds.width);
    ini.WriteInteger(kInterface, "Height", s.bounds.height);
  }
  ini.WriteInteger(kInterface, "Maximized", s.maximized ? 1 : 0);
  ini.WriteInteger(kInterface, "Left panel width", s.leftPanelWidth);
  ini.WriteInteger(kInterface, "Top panel height", s.topPanelHeight);
  for (int c = 0; c < kCoinCount; ++c) ini.WriteString(kInterface, TabKey(c), s.tabs[c]);
  for (int c = 0; c < kCoinCount; ++c) ini.WriteString(kInterface, LockKey(c), s.locks[c]);

  ini.WriteInteger(kList, "Show hidden", s.showHidden ? 1 : 0);
  ini.WriteInteger(kList, "Single line view", s.singleLineView ? 1 : 0);
  ini.WriteInteger(kList, "Sort by", s.sortBy);
  ini.WriteInteger(kList, "Order", s.order);
  ini.WriteInteger(kList, "Hidden always below", s.hiddenAlwaysBelow);

  ini.WriteInteger(kUpdating, "Updating with showing hidden items",
                   s.updatingWithShowingHiddenItems);
  ini.WriteInteger(kUpdating, "Hiding before updating", s.hidingBeforeUpdating);
  ini.WriteInteger(kUpdating, "Clearing before updating", s.clearingBeforeUpdating);

  ini.WriteInteger(kSystem, "FEATURE_BROWSER_EMULATION", s.featureBrowserEmulation);
  ini.WriteInteger(kBrowsing, "Block pop-ups", s.blockPopups);
  ini.WriteInteger(kBrowsing, "Always on top", s.alwaysOnTop);
  ini.WriteInteger(kCompleting, "Process results without payment", s.processResultsWithoutPayment);

  ini.WriteString(kParser, kRightTemplate, s.rightPayoutTemplate);
  ini.WriteString(kParser, kLeftTemplate, s.leftPayoutTemplate);
  ini.WriteString(kParser, kIgnoreFieldNames, s.ignoreFieldNames);
  ini.WriteString(kParser, kNoPayTemplate, s.noPayTemplate);
  ini.WriteString(kParser, kNoPayIntervals, s.noPayIntervals);

  for (int c = 0; c < kCoinCount; ++c)
    if (!s.refs[c].empty()) ini.WriteString(kRef, kCoins[c].name, s.refs[c]);
}

bool SaveAppSettings(const std::string& path, const AppSettings& settings, std::string* error) {
  IniFile ini = IniFile::Load(path);
  WriteAppSettings(ini, settings);
  return ini.Flush(error);
}

}  // namespace trelio
