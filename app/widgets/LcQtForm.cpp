#include "app/widgets/LcQtForm.h"

#include <QAbstractButton>
#include <QAction>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMetaObject>
#include <QPointer>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <functional>
#include <map>

#include "app/platform/AsciiCase.h"
#include "app/platform/CodePage.h"
#include "app/widgets/FileDialogComponent.h"
#include "app/widgets/PanelStatusBar.h"
#include "app/widgets/TextBridge.h"

namespace trelio {
namespace {

// One named property of an object: a text (no setter: read-only) or an
// object.
struct LcQtProperty {
  const char* name;
  std::function<QString()> get;
  std::function<void(const QString&)> set;
  std::function<std::shared_ptr<LcObject>()> object;
};

// The properties a class adds, bound to one of its objects.
using LcQtBinder = std::function<std::vector<LcQtProperty>(QObject*)>;

// A tab sheet's caption is the text of its tab.
QTabWidget* TabsOf(QWidget* page) {
  QWidget* stack = page->parentWidget();
  if (!qobject_cast<QStackedWidget*>(stack)) return nullptr;
  return qobject_cast<QTabWidget*>(stack->parentWidget());
}

std::vector<LcQtProperty> WidgetProperties(QObject* o) {
  auto* w = static_cast<QWidget*>(o);
  return {
      {"Caption",
       [w] {
         if (QTabWidget* tabs = TabsOf(w)) return tabs->tabText(tabs->indexOf(w));
         return w->windowTitle();
       },
       [w](const QString& t) {
         if (QTabWidget* tabs = TabsOf(w)) return tabs->setTabText(tabs->indexOf(w), t);
         w->setWindowTitle(t);
       },
       {}},
      {"Hint", [w] { return w->toolTip(); }, [w](const QString& t) { w->setToolTip(t); }, {}},
  };
}

template <class T, QString (T::*Get)() const, void (T::*Set)(const QString&)>
LcQtBinder TextProperty(const char* name) {
  return [name](QObject* o) {
    auto* t = static_cast<T*>(o);
    return std::vector<LcQtProperty>{
        {name, [t] { return (t->*Get)(); }, [t](const QString& s) { (t->*Set)(s); }, {}}};
  };
}

std::vector<LcQtProperty> ActionProperties(QObject* o) {
  auto* a = static_cast<QAction*>(o);
  return {
      {"Caption", [a] { return a->text(); }, [a](const QString& t) { a->setText(t); }, {}},
      {"Hint", [a] { return a->toolTip(); }, [a](const QString& t) { a->setToolTip(t); }, {}},
  };
}

// A string list held in a widget, a collection of items, an item of one.
std::shared_ptr<LcObject> LcQtStringList(std::function<int()> count,
                                         std::function<QString(int)> item,
                                         std::function<void(int, const QString&)> replace);
std::shared_ptr<LcObject> LcQtCollection(std::function<int()> count,
                                         std::function<std::shared_ptr<LcObject>(int)> item);
std::shared_ptr<LcObject> LcQtItem(std::vector<LcQtProperty> properties);

// The column titles of a grid.
std::vector<LcQtProperty> TableProperties(QObject* o) {
  QPointer<QTableWidget> table = static_cast<QTableWidget*>(o);
  auto titles = [table] {
    return LcQtStringList([table] { return table ? table->columnCount() : 0; },
                          [table](int i) {
                            const QTableWidgetItem* item = table->horizontalHeaderItem(i);
                            return item ? item->text() : QString();
                          },
                          [table](int i, const QString& t) {
                            if (QTableWidgetItem* item = table->horizontalHeaderItem(i))
                              item->setText(t);
                            else
                              table->setHorizontalHeaderItem(i, new QTableWidgetItem(t));
                          });
  };
  return {{"TitleCaptions", {}, {}, titles}};
}

// A status bar's panels: a collection whose items have a Text.
std::vector<LcQtProperty> StatusBarProperties(QObject* o) {
  auto* bar = static_cast<PanelStatusBar*>(o);
  auto panels = [bar] {
    return LcQtCollection(
        [bar] { return bar->PanelCount(); },
        [bar](int i) {
          return LcQtItem({{"Text",
                            [bar, i] { return bar->PanelText(i); },
                            [bar, i](const QString& t) { bar->SetPanelText(i, t); },
                            {}}});
        });
  };
  return {{"Panels", {}, {}, panels}};
}

// The named properties each class adds, by its Qt class name.
const std::map<std::string, LcQtBinder, std::less<>>& Binders() {
  static const std::map<std::string, LcQtBinder, std::less<>> binders{
      {"QWidget", WidgetProperties},
      {"QLabel", TextProperty<QLabel, &QLabel::text, &QLabel::setText>("Caption")},
      {"QAbstractButton",
       TextProperty<QAbstractButton, &QAbstractButton::text, &QAbstractButton::setText>("Caption")},
      {"QGroupBox", TextProperty<QGroupBox, &QGroupBox::title, &QGroupBox::setTitle>("Caption")},
      {"QLineEdit", TextProperty<QLineEdit, &QLineEdit::text, &QLineEdit::setText>("Text")},
      {"QMenu", TextProperty<QMenu, &QMenu::title, &QMenu::setTitle>("Caption")},
      {"QAction", ActionProperties},
      {"QTableWidget", TableProperties},
      {"trelio::PanelStatusBar", StatusBarProperties},
      {"trelio::FileDialogComponent",
       TextProperty<FileDialogComponent, &FileDialogComponent::Filter,
                    &FileDialogComponent::SetFilter>("Filter")},
  };
  return binders;
}

// The property of that name, from the object's own class upwards.
std::optional<LcQtProperty> FindProperty(QObject* o, std::string_view name) {
  for (const QMetaObject* m = o->metaObject(); m; m = m->superClass()) {
    const auto it = Binders().find(std::string_view(m->className()));
    if (it == Binders().end()) continue;
    for (LcQtProperty& p : it->second(o))
      if (AsciiSameName(p.name, name)) return std::move(p);
  }
  return std::nullopt;
}

std::optional<LcPropKind> KindOf(const LcQtProperty& p) {
  if (p.object) return LcPropKind::Object;
  if (p.get) return LcPropKind::Text;
  return std::nullopt;
}

// Properties found by name through a lookup.
class PropertyObject : public LcObject {
 public:
  using Lookup = std::function<std::optional<LcQtProperty>(std::string_view)>;
  explicit PropertyObject(Lookup lookup) : lookup_(std::move(lookup)) {}

  std::optional<LcPropKind> PropertyKind(std::string_view name) const override {
    const auto p = lookup_(name);
    return p ? KindOf(*p) : std::nullopt;
  }
  bool CanWrite(std::string_view name) const override {
    const auto p = lookup_(name);
    return p && p->set;
  }
  std::u16string ReadText(std::string_view name) const override {
    const auto p = lookup_(name);
    return p && p->get ? QStringToUtf16(p->get()) : std::u16string();
  }
  void WriteText(std::string_view name, std::u16string_view text) override {
    if (const auto p = lookup_(name); p && p->set) p->set(Utf16ToQString(text));
  }
  std::shared_ptr<LcObject> ReadObject(std::string_view name) const override {
    const auto p = lookup_(name);
    return p && p->object ? p->object() : nullptr;
  }

 private:
  Lookup lookup_;
};

std::shared_ptr<LcObject> QtObject(QObject* o) {
  QPointer<QObject> guarded(o);
  return std::make_shared<PropertyObject>(
      [guarded](std::string_view name) -> std::optional<LcQtProperty> {
        if (!guarded) return std::nullopt;
        return FindProperty(guarded, name);
      });
}

class StringListObject : public PropertyObject {
 public:
  StringListObject(std::function<int()> count, std::function<QString(int)> item,
                   std::function<void(int, const QString&)> replace)
      : PropertyObject([](std::string_view) { return std::nullopt; }),
        count_(std::move(count)),
        item_(std::move(item)),
        replace_(std::move(replace)) {}

  std::optional<int32_t> StringCount() const override { return count_(); }
  // The items are Unicode: seen through the language's code page, so a
  // character the code page lacks differs as "?", as it would in 8 bits.
  std::string StringItem(int32_t i, int32_t codePage) const override {
    return Utf16ToAnsi(QStringToUtf16(item_(i)), codePage);
  }
  void ReplaceStringItem(int32_t i, const std::string& bytes, int32_t codePage) override {
    replace_(i, Utf16ToQString(AnsiToUtf16(bytes, codePage)));
  }

 private:
  std::function<int()> count_;
  std::function<QString(int)> item_;
  std::function<void(int, const QString&)> replace_;
};

class CollectionObject : public PropertyObject {
 public:
  CollectionObject(std::function<int()> count, std::function<std::shared_ptr<LcObject>(int)> item)
      : PropertyObject([](std::string_view) { return std::nullopt; }),
        count_(std::move(count)),
        item_(std::move(item)) {}

  std::optional<int32_t> CollectionCount() const override { return count_(); }
  std::shared_ptr<LcObject> CollectionItem(int32_t i) const override { return item_(i); }

 private:
  std::function<int()> count_;
  std::function<std::shared_ptr<LcObject>(int)> item_;
};

std::shared_ptr<LcObject> LcQtStringList(std::function<int()> count,
                                         std::function<QString(int)> item,
                                         std::function<void(int, const QString&)> replace) {
  return std::make_shared<StringListObject>(std::move(count), std::move(item), std::move(replace));
}

std::shared_ptr<LcObject> LcQtCollection(std::function<int()> count,
                                         std::function<std::shared_ptr<LcObject>(int)> item) {
  return std::make_shared<CollectionObject>(std::move(count), std::move(item));
}

std::shared_ptr<LcObject> LcQtItem(std::vector<LcQtProperty> properties) {
  return std::make_shared<PropertyObject>(
      [properties = std::move(properties)](std::string_view name) -> std::optional<LcQtProperty> {
        for (const LcQtProperty& p : properties)
          if (AsciiSameName(p.name, name)) return p;
        return std::nullopt;
      });
}

// Another window of the program met below this one: its components are its
// own. Menus are windows in Qt too, but belong to the window that made them.
bool IsOtherWindow(QObject* o) {
  auto* w = qobject_cast<QWidget*>(o);
  return w && w->isWindow() && !qobject_cast<QMenu*>(w);
}

// As AsciiSameName on the object name's UTF-8 bytes, without making them for
// the usual ASCII name: every entry of a translation searches the whole tree.
bool SameObjectName(const QString& objectName, std::string_view name) {
  const qsizetype length = objectName.size();
  for (qsizetype i = 0; i < length; ++i) {
    const char16_t c = objectName[i].unicode();
    if (c >= 0x80) return AsciiSameName(objectName.toStdString(), name);
    if (static_cast<size_t>(i) >= name.size() ||
        AsciiUpper(static_cast<char>(c)) != AsciiUpper(name[static_cast<size_t>(i)]))
      return false;
  }
  return static_cast<size_t>(length) == name.size();
}

QObject* FindOwned(QObject* parent, std::string_view name) {
  for (QObject* child : parent->children()) {
    if (IsOtherWindow(child)) continue;
    if (SameObjectName(child->objectName(), name)) return child;
    if (QObject* found = FindOwned(child, name)) return found;
  }
  return nullptr;
}

}  // namespace

LcQtForm::LcQtForm(QWidget* window) : window_(window), self_(QtObject(window)) {}
LcQtForm::~LcQtForm() = default;

std::string LcQtForm::Name() const { return window_->objectName().toStdString(); }

std::shared_ptr<LcObject> LcQtForm::FindComponent(std::string_view name) {
  QObject* found = FindOwned(window_, name);
  return found ? QtObject(found) : nullptr;
}

std::vector<std::string> LcQtForm::ClassChain() const {
  std::string own = window_->metaObject()->className();
  if (const size_t colon = own.rfind("::"); colon != std::string::npos) own.erase(0, colon + 2);
  return {"TComponent", "TControl", "TWinControl", "TScrollingWinControl", "TCustomForm",
          "TForm",      own};
}

std::optional<LcPropKind> LcQtForm::PropertyKind(std::string_view name) const {
  return self_->PropertyKind(name);
}
bool LcQtForm::CanWrite(std::string_view name) const { return self_->CanWrite(name); }
std::u16string LcQtForm::ReadText(std::string_view name) const { return self_->ReadText(name); }
void LcQtForm::WriteText(std::string_view name, std::u16string_view text) {
  self_->WriteText(name, text);
}
std::shared_ptr<LcObject> LcQtForm::ReadObject(std::string_view name) const {
  return self_->ReadObject(name);
}

bool LcTranslateForm(QWidget* window) {
  LcQtForm form(window);
  return LcTranslateForm(static_cast<LcForm&>(form));
}

}  // namespace trelio
