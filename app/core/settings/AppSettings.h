// The user's settings as settings.ini holds them: the values, and reading and
// writing them in the file's key order with the adjustments made on reading.
// The keys with their defaults are one table, kSettingsKeys in AppSettings.cpp:
// a new setting is a member here and a row there. The window copies these
// plain values into its widgets and back.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/core/coins/CoinTable.h"
#include "app/platform/IniFile.h"

namespace trelio {

struct ScreenSize {
  int32_t width = 0;
  int32_t height = 0;
};

struct WindowBounds {
  int32_t left = 0;
  int32_t top = 0;
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const WindowBounds&) const = default;
};

// The window as designed, used when the stored bounds do not fit the screen.
inline constexpr WindowBounds kDesignedBounds{212, 122, 830, 588};

// Layout limits of the two panels.
inline constexpr int32_t kMinLeftPanelWidth = 75;
inline constexpr int32_t kMinTopPanelHeight = 32;
inline constexpr int32_t kMaxTopPanelHeight = 100;

// One text per coin, in the order of kCoins.
using CoinTexts = std::array<std::string, kCoinCount>;

// The values of settings.ini. The defaults of a file without a key, and the
// key of each member, are in the table of keys in AppSettings.cpp; a value
// made here holds zeros and empty texts until a file is read.
struct AppSettings {
  // [Addresses]: the wallet address of each coin.
  CoinTexts addresses;

  // [Interface]
  std::string language;   // the language code, "en" or "ru"
  int32_t page{};         // the active coin page, in tab order
  WindowBounds bounds{};  // written only when not maximized
  bool maximized{};
  int32_t leftPanelWidth{};
  int32_t topPanelHeight{};
  CoinTexts tabs;   // exactly "1": the coin's tab is shown
  CoinTexts locks;  // exactly "1": the address edit is locked

  // [List]
  bool showHidden{};
  bool singleLineView{};
  int32_t sortBy{};
  int32_t order{};
  int32_t hiddenAlwaysBelow{};

  // [Updating options], each 1 = on
  int32_t updatingWithShowingHiddenItems{};
  int32_t hidingBeforeUpdating{};
  int32_t clearingBeforeUpdating{};

  // [System]
  int32_t featureBrowserEmulation{};

  // [Browsing options]
  int32_t blockPopups{};  // greater than 0 = on
  int32_t alwaysOnTop{};  // 1 = on

  // [Completing options]
  int32_t processResultsWithoutPayment{};  // 1 = on

  // [Parser]: "|"-separated phrase lists, lower-cased on reading, and the
  // ","-separated no-pay intervals, as read.
  std::string rightPayoutTemplate;
  std::string leftPayoutTemplate;
  std::string ignoreFieldNames;
  std::string noPayTemplate;
  std::string noPayIntervals;

  // [Ref]: the user's own referral of each coin; written back only when not
  // empty, never changed by the program.
  CoinTexts refs;

  // Formed after reading: refs[i] when it is not empty, else the coin's
  // built-in referral.
  CoinTexts effectiveReferrals;
};

// What the defaults and adjustments of reading depend on.
struct SettingsEnvironment {
  ScreenSize screen;                    // the primary screen
  std::string abbreviatedLanguageName;  // of the user locale (LOCALE_SABBREVLANGNAME)
  int codePage = 0;                     // of the text, for lower-casing; 0 = the system's
};

// Runs with the language code ("en" or "ru") right after "Language" has been
// read, before any later key is read, so the language can be applied first.
using LanguageHook = std::function<void(const std::string& languageCode)>;

// Reads every key in the file's order and makes the adjustments of reading:
// an empty "Language" takes the locale default; when no coin tab is "1", the
// Bitcoin tab is shown; the four phrase lists are lower-cased; the effective
// referrals are formed; "Hiding before updating" = 1 turns "Updating with
// showing hidden items" on and "Clearing before updating" off; bounds that do
// not fit the screen become kDesignedBounds and the window is not maximized;
// "Page" is clamped to the coin pages; the panel sizes to their limits.
AppSettings ReadAppSettings(const IniFile& ini, const SettingsEnvironment& environment,
                            const LanguageHook& onLanguage = {});

// Writes every key in the file's order; "Left", "Top", "Width" and "Height"
// only when not maximized, each "Ref" only when it is not empty. Keys of the
// file that are not ours stay as they are. The caller flushes the file.
void WriteAppSettings(IniFile& ini, const AppSettings& settings);

// The bytes of a settings file that holds fileBytes once the settings are
// written into it: fileBytes itself when it holds them already.
std::string SettingsFileBytes(std::string fileBytes, const AppSettings& settings);

// Writes the settings into the file at path as it is on disk now, then flushes
// it. When the file cannot be written, the file on disk is as before.
Outcome SaveAppSettings(const std::string& path, const AppSettings& settings);

// The screen tests of stored bounds: 0 <= left <= screen width - 200,
// 0 <= top <= screen height - 200, width <= screen width and height <= screen
// height.
bool BoundsFitScreen(const WindowBounds& bounds, ScreenSize screen);

}  // namespace trelio
