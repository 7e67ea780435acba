#include "app/core/text/ErrorText.h"

#include <system_error>

#include "app/core/text/Messages.h"

namespace trelio {
namespace {

MessageId StepMessageUtf8(FileStep step) {
  switch (step) {
    case FileStep::kRead:
      return msgCannotRead;
    case FileStep::kWrite:
      return msgCannotWrite;
    case FileStep::kCreateIn:
      return msgCannotCreateFileIn;
    case FileStep::kCreateFolder:
      return msgCannotCreateFolder;
  }
  return msgCannotRead;
}

std::string Reason(const FileFailure& f) {
  switch (f.refusal) {
    case FileRefusal::kNone:
      return SystemErrorText(f.err);
    case FileRefusal::kNotRegular:
      return MessageUtf8(msgNotARegularFile);
    case FileRefusal::kTooLarge:
      return MessageUtf8(msgLargerThan) + " " + std::to_string(f.limit >> 20) + " " +
             MessageUtf8(msgMiB);
  }
  return {};
}

}  // namespace

std::string ErrorText(std::string_view what, std::string_view path, std::string_view reason) {
  std::string text(what);
  text += " \"";
  text += path;
  text += "\": ";
  text += reason;
  return text;
}

std::string SystemErrorText(int err) { return std::generic_category().message(err); }

std::string ErrorText(const FileFailure& failure) {
  std::string text =
      ErrorText(MessageUtf8(StepMessageUtf8(failure.step)), failure.path, Reason(failure));
  if (failure.leftAsItWas) text += "; " + MessageUtf8(msgFileLeftAsItWas);
  return text;
}

std::string ErrorText(const Outcome& outcome) {
  if (!outcome.error.empty()) return outcome.error;
  return outcome.file ? ErrorText(*outcome.file) : std::string();
}

}  // namespace trelio
