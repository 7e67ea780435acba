// Message texts composed at run time, looked up by their fixed numeric id at
// the moment of use so that a change of language reaches every later text.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace trelio {

enum MessageId : uint16_t {
  msgShow = 65072,
  msgHide = 65073,
  msgAddToFavorites = 65074,
  msgDeleteFromFavorites = 65075,
  msgConfirmRemoveItem = 65076,
  msgNameNotEntered = 65077,
  msgIntervalNotEntered = 65078,
  msgUrlNotEntered = 65079,
  msgUrlAlreadyExists = 65080,
  msgConfirmUpdateIndex = 65081,
  msgItemsPlural = 65082,
  msgItemsPlural2 = 65083,
  msgInputUrlBelow = 65084,
  msgConfirmClearIndex = 65085,
  msgSaveTheItem = 65086,
  msgHintInputEnterKey = 65088,
  msgHintInterval = 65089,
  msgHintIntervalEnterKey = 65090,
  msgHintListToolbarRightClick = 65091,
  msgHintListToolbarDoubleClick = 65092,
  msgWait = 65093,
  msgMin = 65094,
  msgAddNewItem = 65095,
  msgNew = 65096,
  msgItem = 65097,
  msgMinutesPlural = 65098,
  msgMinute = 65099,
  msgMinutesPlural2 = 65100,
  msgMakeIncompleted = 65101,
  msgComplete = 65102,
  msgBrowse = 65103,
  msgIsUpToDate = 65104,
  msgSortedDescInterval = 65105,
  msgSortedAscInterval = 65106,
  msgSortedDescAlphabetical = 65107,
  msgSortedAscAlphabetical = 65108,
  msgSortedDescTotalPayout = 65109,
  msgSortedAscTotalPayout = 65110,
  msgSortedDescLastPayout = 65111,
  msgSortedAscLastPayout = 65112,
  msgSortedDescMovingAverage = 65113,
  msgSortedAscMovingAverage = 65114,
  msgSortedDescAveragePayout = 65115,
  msgSortedAscAveragePayout = 65116,
  msgHintStatusDoubleClick = 65117,
  msgHintStatusRightClick = 65118,
  msgHintInputField = 65119,
  msgVersion = 65131,
  msgYourWalletAddress = 65132,
  msgFaucetsMicropayments = 65133,
  msgVersionAnnounce = 65134,
  msgAvailable = 65135,
  // The program's own texts beyond those above.
  msgCannotOpenDataFolder = 65200,
  msgCannotReadWriteDataFolder = 65201,
  msgDataFolderUnknown = 65202,
  msgCannotCreateDataFolder = 65203,
  msgUnknownError = 65204,
  msgBrowserHelperMissing = 65205,
  msgAlreadyRunning = 65240,
  msgNoDataFolderForIndex = 65241,
  msgNoDataFolderToClearIndex = 65242,
  msgDownloadNotAnIndex = 65250,
  msgDownloadWebPage = 65251,
  msgIndexTooLarge = 65252,
  msgAnswerTooLarge = 65253,
  msgFileNotAnIndex = 65254,
  // The file steps that fail: `<step> "<path>": <reason>`.
  msgCannotRead = 65270,
  msgCannotWrite = 65271,
  msgCannotCreateFileIn = 65272,
  msgNotARegularFile = 65273,
  msgLargerThan = 65274,
  msgMiB = 65275,
  msgFileLeftAsItWas = 65276,
  msgCannotCreateFolder = 65277,
};

// The built-in English text of an id, as UTF-16; empty for an unknown id.
std::u16string BuiltInMessage(uint16_t id);

// Every message of the program's own, in id order.
const std::vector<uint16_t>& ProgramMessageIds();

// 8-bit text with the code page it is written in.
struct EncodedText {
  std::string bytes;
  int codePage = 0;
};

// The same text as characters, for the screen: the active language's 8-bit
// text decoded with the code page it was made in, so it reads right whatever
// the system's code page; a character that code page lacks stays its default
// character.
std::u16string MessageText(uint16_t id);

// The same text as UTF-8, for reasons composed with the system's own words
// (paths, the error texts of the C library), which are UTF-8 text.
std::string MessageUtf8(uint16_t id);

// The language engine installs its lookup here; an empty function restores the
// built-in texts. A lookup in flight keeps the function it started with alive.
using MessageLookup = std::function<EncodedText(uint16_t id)>;
void SetMessageLookup(MessageLookup lookup);

}  // namespace trelio
