#include <gtest/gtest.h>

#include <map>

#include "app/platform/AsciiCase.h"
#include "app/platform/CodePage.h"
#include "localisation/LcTranslate.h"
#include "localisation/LcUnit.h"
#include "tests/localisation/LcfTestSupport.h"

namespace trelio {
namespace {

using test::BuildModule;
using test::ClassTable;
using test::Entry;
using test::HeaderRecord;
using test::ScratchFolder;
using test::Slot;

// An object of the toolkit with named properties, and perhaps a string list
// or a collection. Writes are counted, so a write of an equal text shows.
struct FakeObject : LcObject {
  struct Prop {
    LcPropKind kind = LcPropKind::Text;
    bool writable = true;
    std::u16string text;
    std::shared_ptr<FakeObject> object;
  };
  std::map<std::string, Prop> props;  // by upper-case name
  std::optional<std::vector<std::u16string>> strings;
  std::optional<std::vector<std::shared_ptr<FakeObject>>> items;
  int writes = 0;

  FakeObject& Text(std::string name, std::u16string text, bool writable = true) {
    props[AsciiUpper(name)] = {LcPropKind::Text, writable, std::move(text), nullptr};
    return *this;
  }
  FakeObject& Object(std::string name, std::shared_ptr<FakeObject> object) {
    props[AsciiUpper(name)] = {LcPropKind::Object, false, {}, std::move(object)};
    return *this;
  }
  const Prop* Find(std::string_view name) const {
    const auto it = props.find(AsciiUpper(name));
    return it == props.end() ? nullptr : &it->second;
  }
  std::u16string Get(std::string_view name) const { return Find(name)->text; }

  std::optional<LcPropKind> PropertyKind(std::string_view name) const override {
    const Prop* p = Find(name);
    return p ? std::optional(p->kind) : std::nullopt;
  }
  bool CanWrite(std::string_view name) const override { return Find(name)->writable; }
  std::u16string ReadText(std::string_view name) const override { return Get(name); }
  void WriteText(std::string_view name, std::u16string_view text) override {
    props[AsciiUpper(name)].text = std::u16string(text);
    ++writes;
  }
  std::shared_ptr<LcObject> ReadObject(std::string_view name) const override {
    return Find(name)->object;
  }
  std::optional<int32_t> StringCount() const override {
    return strings ? std::optional(int32_t(strings->size())) : std::nullopt;
  }
  std::string StringItem(int32_t i, int32_t codePage) const override {
    return Utf16ToAnsi((*strings)[i], codePage);
  }
  void ReplaceStringItem(int32_t i, const std::string& bytes, int32_t codePage) override {
    (*strings)[i] = AnsiToUtf16(bytes, codePage);
    ++writes;
  }
  std::optional<int32_t> CollectionCount() const override {
    return items ? std::optional(int32_t(items->size())) : std::nullopt;
  }
  std::shared_ptr<LcObject> CollectionItem(int32_t i) const override { return (*items)[i]; }
};

struct FakeForm : LcForm {
  std::string name = "Form1";
  std::vector<std::string> chain = {"TComponent", "TForm", "TForm1"};
  FakeObject self;
  std::map<std::string, std::shared_ptr<FakeObject>> components;  // by upper-case name

  FakeObject& Add(std::string componentName) {
    auto& c = components[AsciiUpper(componentName)];
    c = std::make_shared<FakeObject>();
    return *c;
  }
  FakeObject& At(std::string_view componentName) {
    return *components.at(AsciiUpper(componentName));
  }

  std::string Name() const override { return name; }
  std::shared_ptr<LcObject> FindComponent(std::string_view n) override {
    const auto it = components.find(AsciiUpper(n));
    return it == components.end() ? nullptr : it->second;
  }
  std::vector<std::string> ClassChain() const override { return chain; }
  std::optional<LcPropKind> PropertyKind(std::string_view n) const override {
    return self.PropertyKind(n);
  }
  bool CanWrite(std::string_view n) const override { return self.CanWrite(n); }
  std::u16string ReadText(std::string_view n) const override { return self.ReadText(n); }
  void WriteText(std::string_view n, std::u16string_view t) override { self.WriteText(n, t); }
  std::shared_ptr<LcObject> ReadObject(std::string_view n) const override {
    return self.ReadObject(n);
  }
};

// A window like the main one: a caption, a label with a read-only property,
// a status bar with two panels and a grid with two title captions.
struct SampleForm : FakeForm {
  SampleForm() {
    self.Text("Caption", u"Main");
    Add("Label1").Text("Caption", u"Label").Text("Name", u"Label1", false);
    auto panels = std::make_shared<FakeObject>();
    panels->items.emplace();
    for (const char16_t* text : {u"first", u"second"}) {
      panels->items->push_back(std::make_shared<FakeObject>());
      panels->items->back()->Text("Text", text);
    }
    Add("StatusBar1").Object("Panels", panels);
    auto titles = std::make_shared<FakeObject>();
    titles->strings = std::vector<std::u16string>{u"Key", u"Value"};
    Add("Grid1").Object("TitleCaptions", titles).Object("None", nullptr);
  }
  std::u16string Panel(int i) {
    auto& panels = *At("StatusBar1").props.at("PANELS").object;
    return (*panels.items)[i]->Get("Text");
  }
  std::u16string Title(int i) {
    return (*At("Grid1").props.at("TITLECAPTIONS").object->strings)[i];
  }
};

TEST(TranslateEntry, KeysReachTheirPropertyOrNothing) {
  struct Case {
    const char* component;
    const char* path;
    // What the form reads afterwards, through this accessor.
    std::u16string (*read)(SampleForm&);
    std::u16string expected;
  };
  auto caption = [](SampleForm& f) { return f.self.Get("Caption"); };
  auto label = [](SampleForm& f) { return f.At("Label1").Get("Caption"); };
  auto labelName = [](SampleForm& f) { return f.At("Label1").Get("Name"); };
  auto panel0 = [](SampleForm& f) { return f.Panel(0); };
  auto panel1 = [](SampleForm& f) { return f.Panel(1); };
  auto title0 = [](SampleForm& f) { return f.Title(0); };
  auto title1 = [](SampleForm& f) { return f.Title(1); };
  const Case cases[] = {
      {"Form1", "Caption", caption, u"T"},
      {"fORM1", "cAPTION", caption, u"T"},
      {"Form1", "Caption.", caption, u"T"},
      {"Form2", "Caption", caption, u"Main"},
      {"LABEL1", "caption", label, u"T"},
      {"Label9", "Caption", label, u"Label"},
      {"Label1", "Hint", label, u"Label"},
      {"Label1", "Name", labelName, u"Label1"},     // read-only
      {"Label1", "Caption.Text", label, u"Label"},  // a text holds no object
      {"Label1", "Caption<0>", label, u"Label"},    // an item is never the text
      {"StatusBar1", "Panels<1>.Text", panel1, u"T"},
      {"StatusBar1", "Panels<0.Text", panel0, u"T"},  // no closing bracket
      {"StatusBar1", "Panels<2>.Text", panel1, u"second"},
      {"StatusBar1", "Panels<-1>.Text", panel0, u"first"},
      {"StatusBar1", "Panels<x>.Text", panel0, u"first"},
      {"StatusBar1", "Panels(0).Text", panel0, u"first"},  // no string list
      {"StatusBar1", "Panels<0>", panel0, u"first"},
      {"StatusBar1", "Panels", panel0, u"first"},
      {"Grid1", "TitleCaptions(1).Text", title1, u"T"},
      {"Grid1", "TitleCaptions(0).Anything.At.All", title0, u"T"},
      {"Grid1", "TitleCaptions(2).Text", title1, u"Value"},
      {"Grid1", "TitleCaptions(1)", title1, u"Value"},
      {"Grid1", "TitleCaptions<0>.Text", title0, u"Key"},  // no collection
      {"Grid1", "None.Text", title0, u"Key"},
  };
  for (const Case& c : cases) {
    SampleForm form;
    LcApplyEntry(TProp{c.component, c.path, u"T", true}, 1252, form);
    EXPECT_EQ(c.read(form), c.expected) << c.component << "-" << c.path;
  }
}

TEST(TranslateEntry, AnEqualTextIsNotWrittenAgain) {
  SampleForm form;
  LcApplyEntry(TProp{"Label1", "Caption", u"Label", true}, 1252, form);
  LcApplyEntry(TProp{"Grid1", "TitleCaptions(0).Text", u"Key", true}, 1252, form);
  EXPECT_EQ(form.At("Label1").writes, 0);
  EXPECT_EQ(form.At("Grid1").props.at("TITLECAPTIONS").object->writes, 0);
}

TEST(TranslateEntry, AStringListItemTakesTheLanguagesCodePage) {
  SampleForm form;
  // 1251 has Cyrillic but no CJK: that character becomes "?".
  LcApplyEntry(TProp{"Grid1", "TitleCaptions(0).Text", u"\u041A\u043B\u044E\u4E2D", true}, 1251,
               form);
  EXPECT_EQ(form.Title(0), u"\u041A\u043B\u044E?");
}

TEST(TranslateTokens, PathsSplitWithoutAnEmptyLastElement) {
  const std::pair<const char*, std::vector<std::string>> cases[] = {
      {"Caption", {"Caption"}},
      {"Caption.", {"Caption"}},
      {"Panels<0>.Text", {"Panels<0>", "Text"}},
      {"a..b", {"a", "", "b"}},
      {"", {}},
  };
  for (const auto& [path, expected] : cases) {
    std::vector<std::string> tokens;
    size_t position = 0;
    while (auto token = LcNextToken(path, '.', position)) tokens.push_back(*token);
    EXPECT_EQ(tokens, expected) << path;
  }
}

// Translating whole windows with modules made by the toolchain.
class TranslateForm : public ::testing::Test {
 protected:
  void TearDown() override { LcReleaseLanguage(); }

  // English and Russian; each entry gives both columns.
  void Load(const std::vector<test::Resource>& tables, int32_t lcid = 1049) {
    std::vector<test::Resource> resources = {{"LCHEADER", HeaderRecord({1033, 1049})}};
    resources.insert(resources.end(), tables.begin(), tables.end());
    const test::Bytes module = BuildModule(resources);
    test::WriteBytes(path_, std::string(module.begin(), module.end()));
    ASSERT_EQ(LcLoadLanguage(path_, lcid, nullptr, 0), 1);
  }
  static Entry Ru(std::string key, std::u16string russian) {
    return Entry{std::move(key), {{u"en"}, {std::move(russian)}}};
  }

  ScratchFolder folder_;
  const std::string path_ = folder_ / "m.lcf";
  SampleForm form_;
};

TEST_F(TranslateForm, NoActiveLanguageTranslatesNothing) {
  EXPECT_FALSE(LcTranslateForm(form_));
  EXPECT_EQ(form_.self.Get("Caption"), u"Main");
}

TEST_F(TranslateForm, AncestorsFirstAndWithinATableTheFirstEntryStays) {
  Load({{"TCOMPONENT", ClassTable("TComponent", {Ru("Label1-Caption", u"base")})},
        {"TFORM1",
         ClassTable("TForm1", {Ru("Label1-Caption", u"first"), Ru("label1-caption", u"second"),
                               Ru("Form1-Caption", u"window")})}});
  EXPECT_TRUE(LcTranslateForm(form_));
  EXPECT_EQ(form_.At("Label1").Get("Caption"), u"first");
  EXPECT_EQ(form_.self.Get("Caption"), u"window");
}

TEST_F(TranslateForm, AWindowWithoutItsOwnTableGetsNothing) {
  Load({{"TFORM", ClassTable("TForm", {Ru("Form1-Caption", u"window")})}});
  EXPECT_FALSE(LcTranslateForm(form_));
  EXPECT_EQ(form_.self.Get("Caption"), u"Main");
}

TEST_F(TranslateForm, AnEmptyOwnTableStillCounts) {
  Load({{"TFORM", ClassTable("TForm", {Ru("Form1-Caption", u"window")})},
        {"TFORM1", ClassTable("TForm1", {})}});
  EXPECT_TRUE(LcTranslateForm(form_));
  EXPECT_EQ(form_.self.Get("Caption"), u"window");
}

TEST_F(TranslateForm, AMissingTranslationLeavesTheTextAnEmptyOneClearsIt) {
  Load({{"TFORM", ClassTable("TForm", {Ru("Form1-Caption", u"window")})},
        {"TFORM1", ClassTable("TForm1", {Entry{"Label1-Caption", {{u"en"}, {u"", -1}}},
                                         Entry{"StatusBar1-Panels<0>.Text", {{u"en"}, {u""}}}})}});
  EXPECT_TRUE(LcTranslateForm(form_));
  EXPECT_EQ(form_.self.Get("Caption"), u"window");
  EXPECT_EQ(form_.At("Label1").Get("Caption"), u"Label");
  EXPECT_EQ(form_.Panel(0), u"");
}

}  // namespace
}  // namespace trelio
