#include "localisation/LcTranslate.h"

#include <charconv>

#include "app/platform/AsciiCase.h"
#include "localisation/LcUnit.h"

namespace trelio {
namespace {

// Where a property path ends: a text property of an object, or an item of a
// string list.
struct PathEnd {
  LcObject* object = nullptr;
  std::shared_ptr<LcObject> held;  // keeps object alive when the walk left the target
  std::string property;            // empty for a string-list item
  int64_t listIndex = -1;
};

// Follows the path's elements from the target. Nullopt when the walk finds
// no property or no list item to write.
std::optional<PathEnd> LcResolvePropPath(LcObject& target, const std::vector<std::string>& elements,
                                         size_t elementIndex) {
  PathEnd end;
  end.object = &target;
  for (size_t i = elementIndex; i < elements.size(); ++i) {
    const LcIndexedName element = LcParseIndexedName(elements[i]);
    const std::optional<LcPropKind> kind = end.object->PropertyKind(element.name);
    if (!kind) return std::nullopt;
    if (i + 1 == elements.size()) {
      // An indexed element names an item, never the text that is written.
      if (element.kind != LcIndexKind::None) return std::nullopt;
      end.property = element.name;
      return end;
    }
    if (*kind != LcPropKind::Object) return std::nullopt;
    end.held = end.object->ReadObject(element.name);
    if (!end.held) return std::nullopt;
    end.object = end.held.get();
    if (element.kind == LcIndexKind::None) continue;
    if (!element.index || *element.index < 0) return std::nullopt;
    if (element.kind == LcIndexKind::ListItem) {
      // The item itself takes the text; the elements after it are not read.
      const std::optional<int32_t> count = end.object->StringCount();
      if (!count || *element.index >= *count) return std::nullopt;
      end.listIndex = *element.index;
      return end;
    }
    const std::optional<int32_t> count = end.object->CollectionCount();
    if (!count || *element.index >= *count) return std::nullopt;
    end.held = end.object->CollectionItem(int32_t(*element.index));
    if (!end.held) return std::nullopt;
    end.object = end.held.get();
  }
  return std::nullopt;
}

}  // namespace

std::optional<std::string> LcNextToken(std::string_view text, char delimiter, size_t& position) {
  if (position >= text.size()) return std::nullopt;
  const size_t stop = text.find(delimiter, position);
  const size_t end = stop == std::string_view::npos ? text.size() : stop;
  std::string token(text.substr(position, end - position));
  position = stop == std::string_view::npos ? text.size() : stop + 1;
  return token;
}

LcIndexedName LcParseIndexedName(std::string_view element) {
  LcIndexedName parsed;
  size_t open = element.find('<');
  char close = '>';
  parsed.kind = LcIndexKind::CollectionItem;
  if (open == std::string_view::npos) {
    open = element.find('(');
    close = ')';
    parsed.kind = LcIndexKind::ListItem;
  }
  if (open == std::string_view::npos) {
    parsed.name = std::string(element);
    parsed.kind = LcIndexKind::None;
    return parsed;
  }
  parsed.name = std::string(element.substr(0, open));
  std::string_view digits = element.substr(open + 1);
  digits = digits.substr(0, digits.find(close));
  int64_t value = 0;
  const char* first = digits.data();
  const char* last = digits.data() + digits.size();
  const auto [stop, error] = std::from_chars(first, last, value);
  if (!digits.empty() && error == std::errc() && stop == last) parsed.index = value;
  return parsed;
}

LcObject* LcFindTarget(std::string_view name, LcForm& form, std::shared_ptr<LcObject>& holder) {
  if (AsciiSameName(name, form.Name())) return &form;
  holder = form.FindComponent(name);
  return holder.get();
}

namespace {

// Where an entry's key leads on a window, with the component it starts from
// kept alive.
struct EntryEnd {
  std::shared_ptr<LcObject> component;
  PathEnd end;
};

std::optional<EntryEnd> ResolveEntry(const TProp& prop, LcForm& form) {
  EntryEnd found;
  LcObject* target = LcFindTarget(prop.Component, form, found.component);
  if (!target) return std::nullopt;
  std::vector<std::string> elements;
  size_t position = 0;
  while (std::optional<std::string> element = LcNextToken(prop.Path, '.', position))
    elements.push_back(std::move(*element));
  std::optional<PathEnd> end = LcResolvePropPath(*target, elements, 0);
  if (!end) return std::nullopt;
  found.end = std::move(*end);
  return found;
}

}  // namespace

void LcApplyEntry(const TProp& prop, int32_t codePage, LcForm& form) {
  std::optional<EntryEnd> found = ResolveEntry(prop, form);
  if (!found) return;
  PathEnd* end = &found->end;
  if (end->property.empty()) {
    const std::string bytes = LcWideToCodePage(prop.Text, codePage);
    const auto index = int32_t(end->listIndex);
    if (end->object->StringItem(index, codePage) != bytes)
      end->object->ReplaceStringItem(index, bytes, codePage);
    return;
  }
  if (end->object->PropertyKind(end->property) != LcPropKind::Text) return;
  if (!end->object->CanWrite(end->property)) return;
  if (end->object->ReadText(end->property) == prop.Text) return;
  end->object->WriteText(end->property, prop.Text);
}

bool TProps::LoadForm(int32_t column) {
  chain_ = form_.ClassChain();
  if (chain_.empty()) return false;
  return LoadClass(column, chain_.size() - 1);
}

bool TProps::LoadClass(int32_t column, size_t chainIndex) {
  if (chainIndex > 0) LoadClass(column, chainIndex - 1);
  const std::optional<std::vector<LcfEntry>> entries =
      language_.ReadClassTable(chain_[chainIndex], column);
  if (!entries) return false;
  for (const LcfEntry& entry : *entries)
    Props.push_back(TProp{entry.component, entry.path, entry.text, entry.hasTranslation});
  return true;
}

bool TLcf::ApplyToForm(LcForm& form, int32_t lcid) const {
  const std::optional<LcfLanguage> language = FindLanguage(lcid);
  if (!language) return false;
  TProps props(*this, form);
  if (!props.LoadForm(language->column)) return false;
  for (const TProp& prop : props.Props)
    if (prop.HasTranslation) LcApplyEntry(prop, language->codePage, form);
  return true;
}

bool LcTranslateForm(LcForm& form) {
  const std::shared_ptr<const TLcf> language = LcActiveLanguage();
  if (!language || !language->SelectedLcid) return false;
  return language->ApplyToForm(form, *language->SelectedLcid);
}

}  // namespace trelio
