#include "app/core/index/IndexDownload.h"

#include "app/core/index/FaucetItem.h"
#include "app/core/index/FileBytes.h"
#include "app/core/index/IndexLines.h"

namespace trelio {

static_assert(kMaxIndexFileBytes == int64_t(64) << 20, "the text of msgIndexTooLarge names it");

IndexBodyRefusal CheckIndexBody(std::string_view body) {
  if (body.starts_with("\xEF\xBB\xBF")) body.remove_prefix(3);
  IndexLineReader lines(body);
  std::string_view first;
  if (lines.Next(first)) {
    FaucetItem header;
    SplitIndexLine(first, ';', header);
    bool named = true;
    for (int f = fCurrency; f <= fInput; ++f)
      named = named && header[FaucetField(f)] == kFaucetHeader[f];
    if (named) return IndexBodyRefusal::none;
  }
  const size_t text = body.find_first_not_of(" \t\r\n");
  if (text != std::string_view::npos && body[text] == '<') return IndexBodyRefusal::webPage;
  return IndexBodyRefusal::notAnIndex;
}

std::optional<MessageId> IndexBodyRefusalMessage(IndexBodyRefusal refusal) {
  switch (refusal) {
    case IndexBodyRefusal::none:
      return std::nullopt;
    case IndexBodyRefusal::webPage:
      return msgDownloadWebPage;
    case IndexBodyRefusal::notAnIndex:
      return msgDownloadNotAnIndex;
  }
  return std::nullopt;
}

DownloadFailure IndexTransferFailure(const HttpResult& result) {
  switch (result.failure) {
    case HttpFailure::none:
      return {};
    case HttpFailure::bodyTooLarge:
      return {msgIndexTooLarge, {}};
    case HttpFailure::headerTooLarge:
      return {msgAnswerTooLarge, {}};
    default:
      return {std::nullopt, result.error};
  }
}

}  // namespace trelio
