#include "localisation/pack/TranslationSource.h"

#include <cerrno>
#include <charconv>
#include <cstring>

#include "app/platform/AsciiCase.h"
#include "app/platform/FileSystem.h"

namespace trelio::lcfpack {
namespace {

// Far more than any translation source; the module itself is held to 64 MiB.
constexpr uint64_t kMaxSourceBytes = 64 << 20;

std::vector<std::string_view> SplitTabs(std::string_view line) {
  std::vector<std::string_view> fields;
  size_t start = 0;
  for (;;) {
    const size_t tab = line.find('\t', start);
    fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
    if (tab == std::string_view::npos) return fields;
    start = tab + 1;
  }
}

std::optional<int32_t> ReadNumber(std::string_view s) {
  int32_t value = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
  if (ec != std::errc() || end != s.data() + s.size() || s.empty()) return std::nullopt;
  return value;
}

bool IsClassName(std::string_view s) {
  if (s.empty()) return false;
  for (char c : s)
    if (!((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_'))
      return false;
  return !(s[0] >= '0' && s[0] <= '9');
}

// The text of a field with its escapes undone; nullopt for an empty field.
std::optional<std::u16string> FieldText(std::string_view field, const std::string& where) {
  if (field.empty()) return std::nullopt;
  if (field == "\"\"") return std::u16string();
  std::string plain;
  for (size_t i = 0; i < field.size(); ++i) {
    if (field[i] != '\\') {
      plain += field[i];
      continue;
    }
    if (++i == field.size()) throw SourceError(where + ": a backslash ends the text");
    switch (field[i]) {
      case 't':
        plain += '\t';
        break;
      case 'n':
        plain += '\n';
        break;
      case 'r':
        plain += '\r';
        break;
      case '\\':
        plain += '\\';
        break;
      default:
        throw SourceError(where + ": unknown escape \\" + std::string(1, field[i]));
    }
  }
  std::optional<std::u16string> text = Utf8ToUtf16(plain);
  if (!text) throw SourceError(where + ": the text is not UTF-8");
  return text;
}

}  // namespace

std::optional<std::u16string> Utf8ToUtf16(std::string_view text) {
  std::u16string out;
  for (size_t i = 0; i < text.size();) {
    const auto b = uint8_t(text[i]);
    int more = 0;
    char32_t c = 0;
    if (b < 0x80) {
      c = b;
    } else if ((b & 0xE0) == 0xC0) {
      more = 1, c = b & 0x1F;
    } else if ((b & 0xF0) == 0xE0) {
      more = 2, c = b & 0x0F;
    } else if ((b & 0xF8) == 0xF0) {
      more = 3, c = b & 0x07;
    } else {
      return std::nullopt;
    }
    if (i + size_t(more) >= text.size()) return std::nullopt;
    for (int k = 1; k <= more; ++k) {
      const auto t = uint8_t(text[i + k]);
      if ((t & 0xC0) != 0x80) return std::nullopt;
      c = (c << 6) | (t & 0x3F);
    }
    static constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
    if (c < kLeast[more] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return std::nullopt;
    if (c >= 0x10000) {
      out += char16_t(0xD800 + ((c - 0x10000) >> 10));
      out += char16_t(0xDC00 + ((c - 0x10000) & 0x3FF));
    } else {
      out += char16_t(c);
    }
    i += size_t(more) + 1;
  }
  return out;
}

void ReadSourceText(std::string_view text, const std::string& fileName,
                    TranslationSources& sources) {
  std::optional<std::vector<int32_t>> lcids;
  std::string section;
  size_t lineNumber = 0;
  while (!text.empty()) {
    size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    const std::string where = fileName + ":" + std::to_string(lineNumber);
    if (line.empty() || line[0] == '#') continue;

    const std::vector<std::string_view> fields = SplitTabs(line);
    if (!lcids) {
      if (fields[0] != "languages")
        throw SourceError(where + ": the \"languages\" row must come first");
      lcids.emplace();
      for (size_t i = 1; i < fields.size(); ++i) {
        const std::optional<int32_t> lcid = ReadNumber(fields[i]);
        if (!lcid) throw SourceError(where + ": \"" + std::string(fields[i]) + "\" is not an LCID");
        lcids->push_back(*lcid);
      }
      if (sources.lcids.empty()) sources.lcids = *lcids;
      if (*lcids != sources.lcids)
        throw SourceError(where + ": the languages differ from those of the other files");
      continue;
    }
    if (line.front() == '[') {
      if (line.back() != ']') throw SourceError(where + ": a section line ends with \"]\"");
      section = std::string(line.substr(1, line.size() - 2));
      if (section != "messages" && !IsClassName(section))
        throw SourceError(where + ": \"" + section + "\" is not a window class name");
      if (section != "messages") section = AsciiUpper(section);
      continue;
    }
    if (section.empty()) throw SourceError(where + ": a row before the first section");
    if (fields.size() > lcids->size() + 1)
      throw SourceError(where + ": more texts than languages (a tab inside a text is \\t)");

    SourceRow row{std::string(fields[0]), {}, where};
    for (size_t i = 0; i < lcids->size(); ++i)
      row.texts.push_back(i + 1 < fields.size() ? FieldText(fields[i + 1], where) : std::nullopt);

    if (section == "messages") {
      const std::optional<int32_t> id = ReadNumber(row.key);
      if (!id || *id < 0 || *id > 65535 || row.key != std::to_string(*id))
        throw SourceError(where + ": \"" + row.key + "\" is not a message id");
      const auto [it, added] = sources.messages.emplace(uint16_t(*id), row);
      if (!added)
        throw SourceError(where + ": message " + row.key + " is also in " + it->second.where);
    } else {
      if (row.key.find('-') == std::string::npos)
        throw SourceError(where + ": the key \"" + row.key + "\" has no \"-\" (Component-Path)");
      for (const SourceRow& other : sources.classes[section])
        if (other.key == row.key)
          throw SourceError(where + ": " + section + " " + row.key + " is also in " + other.where);
      sources.classes[section].push_back(std::move(row));
    }
  }
  if (!lcids) throw SourceError(fileName + ": no \"languages\" row");
}

void ReadSourceFile(const std::string& path, TranslationSources& sources) {
  // A build tool's own words: the program's message texts are made from these files.
  const FileRead file = ReadFileBytes(path, kMaxSourceBytes);
  if (file.missing) throw SourceError(path + ": cannot be read: " + std::strerror(ENOENT));
  if (!file.ok()) {
    const std::string why = !file.file || file.file->refusal == FileRefusal::kNone
                                ? std::strerror(file.file ? file.file->err : EIO)
                            : file.file->refusal == FileRefusal::kTooLarge ? "too large"
                                                                           : "not a regular file";
    throw SourceError(path + ": cannot be read: " + why);
  }
  ReadSourceText(file.bytes, path, sources);
}

}  // namespace trelio::lcfpack
