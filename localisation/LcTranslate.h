// Translating a window: the entries of its class tables written into the
// named text properties of the window and the components it owns. The engine
// sees the toolkit only through LcObject and LcForm, so the walk of a key's
// property path is the same for the real windows and for the tests' objects.
#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace trelio {

class TLcf;

enum class LcPropKind { Text, Object };

// An object of the toolkit as the engine sees it: its named properties (names
// compared without regard to case) and, when it is one, the items of a string
// list or of a collection.
class LcObject {
 public:
  virtual ~LcObject() = default;

  // Nullopt when the object's class has no property of that name.
  virtual std::optional<LcPropKind> PropertyKind(std::string_view name) const = 0;
  // Text properties.
  virtual bool CanWrite(std::string_view name) const = 0;
  virtual std::u16string ReadText(std::string_view name) const = 0;
  virtual void WriteText(std::string_view name, std::u16string_view text) = 0;
  // Object properties: the object held, or null.
  virtual std::shared_ptr<LcObject> ReadObject(std::string_view name) const = 0;

  // A string list holds 8-bit items in a code page; nullopt when this object
  // is no string list.
  virtual std::optional<int32_t> StringCount() const { return std::nullopt; }
  virtual std::string StringItem(int32_t /*index*/, int32_t /*codePage*/) const { return {}; }
  virtual void ReplaceStringItem(int32_t /*index*/, const std::string& /*bytes*/,
                                 int32_t /*codePage*/) {}
  // A collection; nullopt when this object is none.
  virtual std::optional<int32_t> CollectionCount() const { return std::nullopt; }
  virtual std::shared_ptr<LcObject> CollectionItem(int32_t /*index*/) const { return nullptr; }
};

// A window: an object with a name that owns named components.
class LcForm : public LcObject {
 public:
  virtual std::string Name() const = 0;
  // The owned component of that name (letter case ignored), or null.
  virtual std::shared_ptr<LcObject> FindComponent(std::string_view name) = 0;
  // The window's class and its ancestors that derive from the component base
  // class, from the base class down to the window's own class.
  virtual std::vector<std::string> ClassChain() const = 0;
};

// One entry of a class table, read for the selected column.
struct TProp {
  std::string Component;
  std::string Path;
  std::u16string Text;
  bool HasTranslation = false;
};

// The entries that apply to one window, in the order they are applied.
class TProps {
 public:
  TProps(const TLcf& language, LcForm& form) : language_(language), form_(form) {}

  // Gathers the tables of the window's class chain; false when the window's
  // own class has no table.
  bool LoadForm(int32_t column);
  // One class of the chain, after its ancestors; false when it has no table.
  bool LoadClass(int32_t column, size_t chainIndex);

  std::vector<TProp> Props;

 private:
  const TLcf& language_;
  LcForm& form_;
  std::vector<std::string> chain_;
};

// The next token of text from position up to the delimiter; the position
// moves past it. Nullopt at the end of the text, so a delimiter at the very
// end gives no empty last token.
std::optional<std::string> LcNextToken(std::string_view text, char delimiter, size_t& position);

enum class LcIndexKind { None, ListItem, CollectionItem };
struct LcIndexedName {
  std::string name;
  LcIndexKind kind = LcIndexKind::None;
  // Nullopt when the index is not a decimal number (a negative one is kept,
  // so that the item lookup refuses it).
  std::optional<int64_t> index;
};
// Splits "Name<n>" and "Name(n)"; "<" is looked for before "(".
LcIndexedName LcParseIndexedName(std::string_view element);

// The window itself when the name is its own, else the component it owns
// under that name (kept alive by holder); null when there is none.
LcObject* LcFindTarget(std::string_view name, LcForm& form, std::shared_ptr<LcObject>& holder);

// Walks a property path from the target and writes the translation where the
// path ends in a writable text property or a string-list item that differs
// from it.
void LcApplyEntry(const TProp& prop, int32_t codePage, LcForm& form);

// Translates a window into the active language; false when none is active or
// the window's own class has no table.
bool LcTranslateForm(LcForm& form);

}  // namespace trelio
