#include "app/platform/IniFile.h"

#include <cstddef>

#include "app/platform/AsciiCase.h"
#include "app/platform/AtomicFile.h"
#include "app/platform/FileSystem.h"

namespace trelio {
namespace {

constexpr size_t npos = std::string::npos;

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

std::string_view Trim(std::string_view s) {
  size_t b = 0, e = s.size();
  while (b < e && IsBlank(s[b])) ++b;
  while (e > b && IsBlank(s[e - 1])) --e;
  return s.substr(b, e - b);
}

std::string LowerName(std::string_view name) {
  std::string s(Trim(name));
  for (char& c : s) c = AsciiLower(c);
  return s;
}

struct Line {
  size_t begin;
  size_t end;   // end of the content, before "\n" or "\r\n"
  size_t next;  // start of the following line
};

Line LineAt(const std::string& text, size_t pos) {
  const size_t nl = text.find('\n', pos);
  Line line{pos, nl == npos ? text.size() : nl, nl == npos ? text.size() : nl + 1};
  if (line.end > pos && text[line.end - 1] == '\r') --line.end;
  return line;
}

size_t SkipBlanks(const std::string& text, size_t pos, size_t end) {
  while (pos < end && IsBlank(text[pos])) ++pos;
  return pos;
}

// The name of a section header line, or false when the line is none.
bool HeaderName(const std::string& text, const Line& line, std::string_view& name) {
  const size_t b = SkipBlanks(text, line.begin, line.end);
  if (b == line.end || text[b] != '[') return false;
  const std::string_view rest = std::string_view(text).substr(b + 1, line.end - b - 1);
  const size_t close = rest.find(']');
  if (close == npos) return false;
  name = Trim(rest.substr(0, close));
  return true;
}

// The value without surrounding blanks and one pair of enclosing quotes.
std::string_view Unquote(std::string_view raw) {
  std::string_view v = Trim(raw);
  if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
    v = v.substr(1, v.size() - 2);
  return v;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// Digits up to the end of text; false for none, another character or more
// than limit.
bool ReadDigits(std::string_view text, int base, uint64_t limit, uint64_t& magnitude) {
  if (text.empty()) return false;
  magnitude = 0;
  for (char c : text) {
    const int d = base == 16 ? HexDigit(c) : (c >= '0' && c <= '9' ? c - '0' : -1);
    if (d < 0) return false;
    magnitude = magnitude * base + d;
    if (magnitude > limit) return false;
  }
  return true;
}

int32_t FromBits(uint64_t magnitude) { return int32_t(uint32_t(magnitude)); }

// Why the file cannot hold the name; empty when it can.
std::string NameRefusal(std::string_view name, bool isSection) {
  const std::string_view n = Trim(name);
  bool ok = !n.empty() && n.find_first_of("\r\n") == npos;
  if (isSection)
    ok = ok && n.find(']') == npos;
  else
    ok = ok && n.find('=') == npos && n.front() != ';' && n.front() != '[';
  if (ok) return {};
  return std::string(isSection ? "INI section name" : "INI key name") + " cannot be stored: \"" +
         std::string(name) + "\"";
}

}  // namespace

bool ReadProfileInteger(std::string_view text, int32_t& value) {
  uint64_t magnitude = 0;
  if (text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X')) {
    if (!ReadDigits(text.substr(2), 16, UINT32_MAX, magnitude)) return false;
    value = FromBits(magnitude);
    return true;
  }
  size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  if (i < text.size() && text[i] == '$') {
    if (!ReadDigits(text.substr(i + 1), 16, UINT32_MAX, magnitude)) return false;
    const int64_t v = FromBits(magnitude);
    value = int32_t(negative ? -v : v);  // -$80000000 stays INT32_MIN
    return true;
  }
  const uint64_t limit = negative ? uint64_t(INT32_MAX) + 1 : uint64_t(INT32_MAX);
  if (!ReadDigits(text.substr(i), 10, limit, magnitude)) return false;
  value = int32_t(negative ? -int64_t(magnitude) : int64_t(magnitude));
  return true;
}

struct IniFile::KeyLine {
  bool found = false;
  Line line{};
  size_t nameEnd = 0;
  size_t equals = npos;  // position of the "=", npos when the line has none
  size_t afterLastKey;   // where a new key of the section goes
};

IniFile IniFile::Load(std::string path) {
  FileRead file = ReadFileBytes(path, kMaxFileBytes);
  IniFile ini = FromBytes(file.ok() ? std::move(file.bytes) : std::string(), std::move(path));
  ini.loadError_ = std::move(static_cast<Outcome&>(file));
  return ini;
}

IniFile IniFile::FromBytes(std::string bytes, std::string path) {
  IniFile ini;
  ini.path_ = std::move(path);
  ini.text_ = std::move(bytes);
  ini.Index();
  return ini;
}

void IniFile::Index() {
  sections_.clear();
  byName_.clear();
  size_t open = npos;  // sections_ entry whose body is still running
  for (size_t pos = 0; pos < text_.size();) {
    const Line line = LineAt(text_, pos);
    std::string_view name;
    if (HeaderName(text_, line, name)) {
      if (open != npos) sections_[open].bodyEnd = line.begin;
      open = npos;
      const auto inserted = byName_.emplace(LowerName(name), sections_.size());
      if (inserted.second) {
        open = sections_.size();
        sections_.push_back({line.next, text_.size()});
      }
    }
    pos = line.next;
  }
}

const IniFile::Section* IniFile::FindSection(std::string_view name) const {
  const auto it = byName_.find(LowerName(name));
  return it == byName_.end() ? nullptr : &sections_[it->second];
}

IniFile::KeyLine IniFile::FindKey(const Section& section, std::string_view key) const {
  KeyLine result;
  result.afterLastKey = section.bodyBegin;
  const std::string_view wanted = Trim(key);
  for (size_t pos = section.bodyBegin; pos < section.bodyEnd;) {
    const Line line = LineAt(text_, pos);
    pos = line.next;
    const size_t b = SkipBlanks(text_, line.begin, line.end);
    if (b == line.end || text_[b] == ';' || text_[b] == '[') continue;
    result.afterLastKey = line.next;
    const size_t eqInLine = std::string_view(text_).substr(b, line.end - b).find('=');
    const size_t eq = eqInLine == npos ? npos : b + eqInLine;
    const size_t nameEnd = eq == npos ? line.end : eq;
    const std::string_view name = Trim(std::string_view(text_).substr(b, nameEnd - b));
    if (!result.found && AsciiSameName(name, wanted)) {
      result.found = true;
      result.line = line;
      result.nameEnd = b + name.size();
      result.equals = nameEnd == line.end ? npos : eq;
    }
  }
  return result;
}

std::string IniFile::ReadString(std::string_view section, std::string_view key,
                                std::string_view defaultValue) const {
  const Section* s = FindSection(section);
  if (s == nullptr) return std::string(defaultValue);
  const KeyLine k = FindKey(*s, key);
  if (!k.found || k.equals == npos) return std::string(defaultValue);
  return std::string(ValueOf(k).substr(0, kMaxValueLength));
}

std::string_view IniFile::ValueOf(const KeyLine& k) const {
  return Unquote(std::string_view(text_).substr(k.equals + 1, k.line.end - k.equals - 1));
}

int32_t IniFile::ReadInteger(std::string_view section, std::string_view key,
                             int32_t defaultValue) const {
  int32_t value;
  return ReadProfileInteger(ReadString(section, key, ""), value) ? value : defaultValue;
}

std::string IniFile::LineBreak() const {
  const size_t nl = text_.find('\n');
  return nl != npos && nl > 0 && text_[nl - 1] == '\r' ? "\r\n" : "\n";
}

void IniFile::Splice(size_t begin, size_t end, std::string_view with) {
  const ptrdiff_t delta = ptrdiff_t(with.size()) - ptrdiff_t(end - begin);
  text_.replace(begin, end - begin, with);
  for (Section& s : sections_) {
    if (s.bodyBegin > begin) s.bodyBegin += delta;
    if (s.bodyEnd >= begin) s.bodyEnd += delta;
  }
  dirty_ = true;
}

void IniFile::WriteString(std::string_view section, std::string_view key, std::string_view value) {
  std::string refusal = NameRefusal(section, true);
  if (refusal.empty()) refusal = NameRefusal(key, false);
  if (!refusal.empty()) {
    if (writeError_.empty()) writeError_ = std::move(refusal);
    return;
  }
  std::string v(value);
  for (char& c : v)
    if (c == '\r' || c == '\n') c = ' ';
  const std::string_view keyName = Trim(key);
  const std::string eol = LineBreak();

  const Section* s = FindSection(section);
  if (s == nullptr) {
    const size_t oldSize = text_.size();
    std::string add = oldSize > 0 && text_.back() != '\n' ? eol : std::string();
    const size_t header = oldSize + add.size();
    add += "[" + std::string(Trim(section)) + "]" + eol;
    const size_t body = oldSize + add.size();
    add += std::string(keyName) + "=" + v + eol;
    text_ += add;
    // The line break put before the new header ends the section that ran to
    // the end; a header that was the last line without a break gets its body
    // after that break, not on its own line.
    for (Section& other : sections_) {
      if (other.bodyBegin == oldSize) other.bodyBegin = header;
      if (other.bodyEnd == oldSize) other.bodyEnd = header;
    }
    byName_.emplace(LowerName(section), sections_.size());
    sections_.push_back({body, text_.size()});
    dirty_ = true;
    return;
  }

  const KeyLine k = FindKey(*s, key);
  if (k.found && k.equals != npos) {
    // The same value keeps its line as the user wrote it (quotes, blanks).
    if (ValueOf(k) == v) return;
    Splice(SkipBlanks(text_, k.equals + 1, k.line.end), k.line.end, v);
  } else if (k.found) {
    Splice(k.nameEnd, k.line.end, "=" + v);
  } else {
    const size_t at = k.afterLastKey;
    std::string add = at == text_.size() && at > 0 && text_.back() != '\n' ? eol : std::string();
    add += std::string(keyName) + "=" + v + eol;
    Splice(at, at, add);
  }
}

void IniFile::WriteInteger(std::string_view section, std::string_view key, int32_t value) {
  WriteString(section, key, std::to_string(value));
}

Outcome IniFile::Flush() {
  if (!writeError_.empty()) return {writeError_, std::nullopt};
  if (!dirty_) return {};
  if (!loadError_.ok()) {
    Outcome kept = loadError_;
    if (kept.file) kept.file->leftAsItWas = true;
    return kept;
  }
  if (path_.empty()) return {"Cannot write an INI file without a path", std::nullopt};
  Outcome written = WriteFileAtomic(path_, text_);
  if (written.ok()) dirty_ = false;
  return written;
}

}  // namespace trelio
