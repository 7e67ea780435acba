#include "app/core/settings/AppSettings.h"

#include <algorithm>
#include <string_view>
#include <variant>

#include "app/core/coins/CoinTable.h"
#include "app/core/payout/PayoutTemplates.h"
#include "app/core/settings/LanguageSetting.h"
#include "app/platform/CodePage.h"

namespace trelio {
namespace {

// Where a key's value lives in AppSettings, and so how it is read and written.
using Field = std::variant<std::string AppSettings::*,  // text, as stored
                           int32_t AppSettings::*,      // a whole number
                           bool AppSettings::*,         // on exactly when 1; written 1 or 0
                           int32_t WindowBounds::*,     // a whole number of AppSettings::bounds
                           CoinTexts AppSettings::*>;   // one text per coin, see below

// Defaults that depend on where the program runs.
enum class FromEnvironment {
  kLocaleLanguage,        // the language of the user's locale
  kCentredLeft,           // a 960-pixel-wide window centred on the screen
  kCentredTop,            // a 600-pixel-high window centred on the screen
  kTabShownOnFirstStart,  // "1" for a coin whose tab a first start shows, else ""
};
using Default = std::variant<std::string_view, int32_t, FromEnvironment>;

// What reading does to a value before it is kept.
enum class OnRead {
  kAsStored,
  kLanguageCode,  // empty = the locale's; then the language code; the hook runs
  kLowerCase,     // lower-cased in the text's code page
};

// When a value is written.
enum class OnWrite {
  kAlways,
  kUnlessMaximized,  // a maximized exit keeps the last normal bounds
  kUnlessEmpty,      // per coin: the user's own value only
};

// One key of settings.ini. For a per-coin field there is one key for each
// coin, in the order of kCoins: the coin's name followed by `key`.
struct SettingsKey {
  std::string_view section;
  std::string_view key;
  Field field;
  Default fallback;
  OnRead read = OnRead::kAsStored;
  OnWrite write = OnWrite::kAlways;
};

using S = AppSettings;
using B = WindowBounds;
using E = FromEnvironment;

// Every key, in the order of the file: reading and writing both follow it.
constexpr SettingsKey kSettingsKeys[] = {
    {"Addresses", "", &S::addresses, ""},

    {"Interface", "Language", &S::language, E::kLocaleLanguage, OnRead::kLanguageCode},
    {"Interface", "Page", &S::page, 0},
    {"Interface", "Left", &B::left, E::kCentredLeft, OnRead::kAsStored, OnWrite::kUnlessMaximized},
    {"Interface", "Top", &B::top, E::kCentredTop, OnRead::kAsStored, OnWrite::kUnlessMaximized},
    {"Interface", "Width", &B::width, 960, OnRead::kAsStored, OnWrite::kUnlessMaximized},
    {"Interface", "Height", &B::height, 600, OnRead::kAsStored, OnWrite::kUnlessMaximized},
    {"Interface", "Maximized", &S::maximized, 0},
    {"Interface", "Left panel width", &S::leftPanelWidth, 202},
    {"Interface", "Top panel height", &S::topPanelHeight, 101},
    {"Interface", " Tab", &S::tabs, E::kTabShownOnFirstStart},
    {"Interface", " Lock", &S::locks, ""},

    {"List", "Show hidden", &S::showHidden, 0},
    {"List", "Single line view", &S::singleLineView, 0},
    {"List", "Sort by", &S::sortBy, 4},
    {"List", "Order", &S::order, 1},
    {"List", "Hidden always below", &S::hiddenAlwaysBelow, 1},

    {"Updating options", "Updating with showing hidden items", &S::updatingWithShowingHiddenItems,
     0},
    {"Updating options", "Hiding before updating", &S::hidingBeforeUpdating, 0},
    {"Updating options", "Clearing before updating", &S::clearingBeforeUpdating, 0},

    {"System", "FEATURE_BROWSER_EMULATION", &S::featureBrowserEmulation, 11001},

    {"Browsing options", "Block pop-ups", &S::blockPopups, 1},
    {"Browsing options", "Always on top", &S::alwaysOnTop, 0},

    {"Completing options", "Process results without payment", &S::processResultsWithoutPayment, 0},

    {"Parser", "Right part of payout template", &S::rightPayoutTemplate, kDefaultRightPartTemplate,
     OnRead::kLowerCase},
    {"Parser", "Left part of payout template", &S::leftPayoutTemplate, kDefaultLeftPartTemplate,
     OnRead::kLowerCase},
    {"Parser", "Ignore field names", &S::ignoreFieldNames, "adcopy_response", OnRead::kLowerCase},
    {"Parser", "No pay template", &S::noPayTemplate, kDefaultNoPayTemplate, OnRead::kLowerCase},
    {"Parser", "No pay intervals", &S::noPayIntervals, "1440"},

    {"Ref", "", &S::refs, "", OnRead::kAsStored, OnWrite::kUnlessEmpty},
};

std::string CoinKey(const SettingsKey& k, int coin) {
  return std::string(kCoins[coin].name) + std::string(k.key);
}

std::string TextDefault(const Default& d, const SettingsEnvironment& env, int coin) {
  if (const auto* text = std::get_if<std::string_view>(&d)) return std::string(*text);
  switch (std::get<FromEnvironment>(d)) {
    case E::kLocaleLanguage:
      return DefaultLanguageCode(env.abbreviatedLanguageName);
    case E::kTabShownOnFirstStart:
      return kCoins[coin].tabByDefault ? "1" : "";
    default:
      return {};
  }
}

int32_t IntegerDefault(const Default& d, const SettingsEnvironment& env) {
  if (const auto* value = std::get_if<int32_t>(&d)) return *value;
  switch (std::get<FromEnvironment>(d)) {
    case E::kCentredLeft:
      return (env.screen.width - 960) / 2;
    case E::kCentredTop:
      return (env.screen.height - 600) / 2;
    default:
      return 0;
  }
}

std::string ReadText(const IniFile& ini, const SettingsKey& k, std::string_view key,
                     const SettingsEnvironment& env, int coin = 0) {
  const std::string fallback = TextDefault(k.fallback, env, coin);
  std::string value = ini.ReadString(k.section, key, fallback);
  switch (k.read) {
    case OnRead::kLanguageCode:
      return LanguageCodeOf(value.empty() ? fallback : value);
    case OnRead::kLowerCase:
      return AnsiLowerCase(value, env.codePage);
    case OnRead::kAsStored:
      break;
  }
  return value;
}

// The adjustments made once every key has been read.
void AdjustAfterReading(AppSettings& s, const SettingsEnvironment& env) {
  // Only "1" shows a tab, so without one no coin page could be shown at all.
  if (std::none_of(s.tabs.begin(), s.tabs.end(), [](const std::string& t) { return t == "1"; }))
    s.tabs[0].assign(1, '1');
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
}

// Visits a key's value in s with the matching member of the overload set.
template <class Settings, class... Visitors>
void WithValue(Settings& s, const SettingsKey& k, Visitors... visitors) {
  struct Overloads : Visitors... {
    using Visitors::operator()...;
  };
  std::visit(
      [&](auto member) {
        using Member = decltype(member);
        if constexpr (std::is_same_v<Member, int32_t WindowBounds::*>)
          Overloads{visitors...}(s.bounds.*member);
        else
          Overloads{visitors...}(s.*member);
      },
      k.field);
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
  for (const SettingsKey& k : kSettingsKeys) {
    WithValue(
        s, k,
        [&](std::string& value) {
          value = ReadText(ini, k, k.key, env);
          if (k.read == OnRead::kLanguageCode && onLanguage) onLanguage(value);
        },
        [&](int32_t& value) {
          value = ini.ReadInteger(k.section, k.key, IntegerDefault(k.fallback, env));
        },
        [&](bool& value) {
          value = ini.ReadInteger(k.section, k.key, IntegerDefault(k.fallback, env)) == 1;
        },
        [&](CoinTexts& values) {
          for (int c = 0; c < kCoinCount; ++c) values[c] = ReadText(ini, k, CoinKey(k, c), env, c);
        });
  }
  AdjustAfterReading(s, env);
  return s;
}

void WriteAppSettings(IniFile& ini, const AppSettings& s) {
  for (const SettingsKey& k : kSettingsKeys) {
    if (k.write == OnWrite::kUnlessMaximized && s.maximized) continue;
    WithValue(
        s, k, [&](const std::string& value) { ini.WriteString(k.section, k.key, value); },
        [&](int32_t value) { ini.WriteInteger(k.section, k.key, value); },
        [&](bool value) { ini.WriteInteger(k.section, k.key, value ? 1 : 0); },
        [&](const CoinTexts& values) {
          for (int c = 0; c < kCoinCount; ++c)
            if (k.write != OnWrite::kUnlessEmpty || !values[c].empty())
              ini.WriteString(k.section, CoinKey(k, c), values[c]);
        });
  }
}

std::string SettingsFileBytes(std::string fileBytes, const AppSettings& settings) {
  IniFile ini = IniFile::FromBytes(std::move(fileBytes));
  WriteAppSettings(ini, settings);
  return ini.Bytes();
}

Outcome SaveAppSettings(const std::string& path, const AppSettings& settings) {
  IniFile ini = IniFile::Load(path);
  WriteAppSettings(ini, settings);
  return ini.Flush();
}

}  // namespace trelio
