#include "localisation/pack/TranslationSource.h"

#include <gtest/gtest.h>

#include "localisation/LcfRecords.h"
#include "localisation/pack/LcfBlobs.h"

namespace trelio::lcfpack {
namespace {

TranslationSources Read(std::string_view text) {
  TranslationSources sources;
  ReadSourceText(text, "t.txt", sources);
  return sources;
}

TEST(TranslationSource, RowsSectionsAndEscapes) {
  const TranslationSources s = Read(
      "# comment\r\n"
      "languages\t1033\t1049\r\n"
      "\n"
      "[messages]\n"
      "65093\twait\t\xD0\xB6\xD0\xB4\xD0\xB0\xD1\x82\xD1\x8C\n"
      "65094\tmin.\n"
      "[tform1]\n"
      "Edit6-Hint\tA\\nB\\r\\tC\\\\\t\"\"\n"
      "Form1-Caption\t\tX\n");
  EXPECT_EQ(s.lcids, (std::vector<int32_t>{1033, 1049}));
  ASSERT_EQ(s.messages.size(), 2u);
  EXPECT_EQ(*s.messages.at(65093).texts[1], u"\u0436\u0434\u0430\u0442\u044C");
  EXPECT_FALSE(s.messages.at(65094).texts[1]);  // missing at the end: not translated
  const std::vector<SourceRow>& form = s.classes.at("TFORM1");
  ASSERT_EQ(form.size(), 2u);
  EXPECT_EQ(*form[0].texts[0], u"A\nB\r\tC\\");
  EXPECT_EQ(*form[0].texts[1], u"");  // "" is the empty text
  EXPECT_FALSE(form[1].texts[0]);     // an empty field is not translated
  EXPECT_EQ(form[0].where, "t.txt:8");
}

TEST(TranslationSource, FaultsNameTheirRow) {
  const std::pair<const char*, const char*> cases[] = {
      {"[messages]\n65093\tx\n", "t.txt:1"},
      {"languages\t1033\t12x\n", "t.txt:1"},
      {"languages\t1033\n65093\tx\n", "t.txt:2"},
      {"languages\t1033\n[messages]\n70000\tx\n", "t.txt:3"},
      {"languages\t1033\n[messages]\n065093\tx\n", "t.txt:3"},
      {"languages\t1033\n[messages]\n65093\tx\ty\n", "t.txt:3"},
      {"languages\t1033\n[messages]\n65093\tx\n65093\ty\n", "t.txt:4"},
      {"languages\t1033\n[messages]\n65093\tbad\\q\n", "t.txt:3"},
      {"languages\t1033\n[messages]\n65093\tend\\\n", "t.txt:3"},
      {"languages\t1033\n[messages]\n65093\t\xC3\x28\n", "t.txt:3"},
      {"languages\t1033\n[messages]\n65093\t\xED\xA0\x80\n", "t.txt:3"},
      {"languages\t1033\n[TFORM1]\nNoDash\tx\n", "t.txt:3"},
      {"languages\t1033\n[T FORM]\n", "t.txt:2"},
      {"languages\t1033\n[TFORM1\n", "t.txt:2"},
      {"# only a comment\n", "t.txt"},
  };
  for (const auto& [text, where] : cases) {
    try {
      Read(text);
      ADD_FAILURE() << "accepted: " << text;
    } catch (const SourceError& e) {
      EXPECT_EQ(std::string(e.what()).rfind(where, 0), 0u) << e.what();
    }
  }
  TranslationSources s = Read("languages\t1033\t1049\n");
  EXPECT_THROW(ReadSourceText("languages\t1049\t1033\n", "u.txt", s), SourceError);
}

// The packer's records read back as written, through the engine's reader.
TEST(TranslationSource, PackedRecordsReadBack) {
  const TranslationSources s = Read(
      "languages\t1033\t1049\n[TFORM1]\n"
      "Form1-Caption\tTrelio\t\xD0\x9A\n"
      "StatusBar1-Panels<0>.Text-note\t\t\"\"\n");
  const Blob table = ClassTableBlob("TFORM1", s.classes.at("TFORM1"));
  const std::vector<LcfEntry> ru = ReadLcfClassTable(table, 1);
  ASSERT_EQ(ru.size(), 2u);
  EXPECT_EQ(ru[0].component, "StatusBar1");
  EXPECT_EQ(ru[0].path, "Panels<0>.Text");
  EXPECT_TRUE(ru[0].hasTranslation);
  EXPECT_EQ(ru[0].text, u"");
  EXPECT_EQ(ru[1].text, u"\u041A");
  const std::vector<LcfEntry> en = ReadLcfClassTable(table, 0);
  EXPECT_FALSE(en[0].hasTranslation);
  EXPECT_EQ(en[1].text, u"Trelio");

  const Blob strings = StringTableBlob({std::u16string(u"one"), std::nullopt, u"three"});
  EXPECT_EQ(ReadLcfStringSlot(strings, 0), u"one");
  EXPECT_FALSE(ReadLcfStringSlot(strings, 1));
  EXPECT_EQ(ReadLcfStringSlot(strings, 2), u"three");
  EXPECT_FALSE(ReadLcfStringSlot(strings, 3));

  const Blob header = HeaderBlob({1033, 1049});
  const std::optional<LcfHeader> h = ReadLcfHeader(header, true);
  ASSERT_TRUE(h);
  EXPECT_EQ(h->languageCount, 2);
  EXPECT_EQ(h->Lcid(1), 1049);
  EXPECT_EQ(header.size(), 24u);
}

TEST(TranslationSource, ResourceScriptQuotesNamesNotFiles) {
  EXPECT_EQ(ResourceScript({{"LCHEADER", "header.bin"}, {"65131", "s65131.bin"}}),
            "LANGUAGE 0, 0\n\"LCHEADER\" RCDATA header.bin\n\"65131\" RCDATA s65131.bin\n");
}

}  // namespace
}  // namespace trelio::lcfpack
