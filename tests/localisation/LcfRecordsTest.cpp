// The records of a language module as the engine reads them, in modules made
// by the toolchain.
#include "localisation/LcfRecords.h"

#include <gtest/gtest.h>

#include "app/core/text/Messages.h"
#include "localisation/LcUnit.h"
#include "tests/localisation/LcfTestSupport.h"

namespace trelio {
namespace {

using test::BuildModule;
using test::Bytes;
using test::ClassTable;
using test::Entry;
using test::HeaderRecord;
using test::PeKind;
using test::Resource;
using test::Slot;
using test::StringTable;

constexpr auto kNoText = [](int32_t, intptr_t) { return 1; };

struct Opened {
  TLcf lcf;
  int32_t result;
};

std::unique_ptr<Opened> OpenModule(const std::vector<Resource>& resources, int32_t lcid,
                                   PeKind kind = PeKind::Pe32Plus) {
  auto o = std::make_unique<Opened>();
  o->result = o->lcf.OpenBytes(BuildModule(resources, kind), lcid, kNoText);
  return o;
}

TEST(LcfHeader, CodePagesComeFromWhereTheHeaderWasFound) {
  const Bytes lchead2 = HeaderRecord({1049, 1033}, 0, {1250, 1253});
  struct Case {
    const char* what;
    std::vector<Resource> resources;
    bool firstForm;
    int32_t russianCodePage;
  };
  const Case cases[] = {
      {"LCHEADER: the locale data's code page",
       {{"LCHEADER", HeaderRecord({1049, 1033})}},
       true,
       1251},
      {"LCHEADE2: the record's code page", {{"LCHEADE2", lchead2}}, false, 1250},
      {"both: LCHEADER wins, code page from the locale data",
       {{"LCHEADE2", lchead2}, {"LCHEADER", HeaderRecord({1049, 1033})}},
       true,
       1251},
  };
  for (const Case& c : cases) {
    auto o = OpenModule(c.resources, 1049);
    ASSERT_EQ(o->result, 1) << c.what;
    EXPECT_EQ(o->lcf.HeaderIsFirstForm, c.firstForm) << c.what;
    EXPECT_EQ(o->lcf.CodePage, c.russianCodePage) << c.what;
    EXPECT_EQ(o->lcf.Column, 0) << c.what;
    const std::optional<LcfLanguage> english = o->lcf.FindLanguage(1033);
    ASSERT_TRUE(english) << c.what;
    EXPECT_EQ(english->column, 1);
    EXPECT_EQ(english->codePage, c.firstForm ? 1252 : 1253) << c.what;
  }
}

TEST(LcfHeader, UnusableHeadersMakeTheModuleUnusable) {
  Bytes badMagic = HeaderRecord({1049});
  badMagic[7] = '2';
  Bytes shortHeader = HeaderRecord({});
  shortHeader.pop_back();
  const std::vector<Resource> cases[] = {
      {{"TFORM1", {1, 2, 3, 4}}},
      {{"LCHEADER", badMagic}},
      {{"LCHEADER", shortHeader}},
      {{"LCHEADE2", shortHeader}},
  };
  for (const auto& resources : cases) EXPECT_EQ(OpenModule(resources, 1049)->result, -1);
}

TEST(LcfHeader, LanguagesThatDoNotFitAreNotFound) {
  struct Case {
    const char* what;
    Resource header;
    int32_t lcid;
    int32_t result;
    int32_t column;
  };
  Bytes cut = HeaderRecord({1033, 1049});
  cut.resize(cut.size() - 1);
  // LCHEADE2 with two languages but room for one code page only.
  Bytes oneCodePage = HeaderRecord({1033, 1049}, 0, {1252});
  const Case cases[] = {
      {"16 bytes, Count 0: valid, nothing to select", {"LCHEADER", HeaderRecord({})}, 1033, 0, 0},
      {"negative Count",
       {"LCHEADER", test::Blob{}.Ascii("LCHEADER").I32(0).I32(-5).bytes},
       1033,
       0,
       0},
      {"Count past the record",
       {"LCHEADER", test::Blob{}.Ascii("LCHEADER").I32(0).I32(9).I32(1049).bytes},
       1049,
       1,
       0},
      {"an LCID cut by the end", {"LCHEADER", cut}, 1049, 0, 0},
      {"an LCID listed twice: its first position",
       {"LCHEADER", HeaderRecord({1033, 1049, 1049})},
       1049,
       1,
       1},
      {"LCHEADE2: a code page past the end", {"LCHEADE2", oneCodePage}, 1049, 0, 0},
      {"LCHEADE2: the one that fits", {"LCHEADE2", oneCodePage}, 1033, 1, 0},
  };
  for (const Case& c : cases) {
    auto o = OpenModule({c.header}, c.lcid);
    EXPECT_EQ(o->result, c.result) << c.what;
    if (c.result == 1) {
      EXPECT_EQ(o->lcf.Column, c.column) << c.what;
    }
  }
}

TEST(LcfHeader, EnumerationGoesInHeaderOrderUntilTheCallbackSaysStop) {
  const Bytes module = BuildModule({{"LCHEADER", HeaderRecord({1033, 1049, 1058, 1049})}});
  std::vector<int32_t> seen;
  TLcf all(77);
  EXPECT_EQ(all.OpenBytes(module, 1058,
                          [&](int32_t lcid, intptr_t data) {
                            EXPECT_EQ(data, 77);
                            seen.push_back(lcid);
                            return 1;
                          }),
            1);
  EXPECT_EQ(seen, (std::vector<int32_t>{1033, 1049, 1058, 1049}));
  seen.clear();
  TLcf stopped;
  // Stopping the enumeration does not change which language is selected.
  EXPECT_EQ(stopped.OpenBytes(module, 1058,
                              [&](int32_t lcid, intptr_t) {
                                seen.push_back(lcid);
                                return lcid == 1049 ? 0 : 1;
                              }),
            1);
  EXPECT_EQ(seen, (std::vector<int32_t>{1033, 1049}));
}

// Flags bit 0: column 1 reads string slot 2, while class entries still read
// the pair of column 1.
TEST(LcfRecords, ExtraLeadingSlotMovesStringSlotsOnly) {
  const std::vector<Resource> resources = {
      {"LCHEADER", HeaderRecord({1033, 1049}, 1)},
      {"65093", StringTable({{u"slot0"}, {u"slot1"}, {u"slot2"}})},
      {"TFORM1", ClassTable("TFORM1", {{"Form1-Caption", {{u"col0"}, {u"col1"}, {u"col2"}}}})},
  };
  auto o = OpenModule(resources, 1049);
  ASSERT_EQ(o->result, 1);
  EXPECT_EQ(o->lcf.Slot, 2);
  EXPECT_EQ(o->lcf.Column, 1);
  EXPECT_EQ(o->lcf.TranslateResString(65093), "slot2");
  const auto entries = o->lcf.ReadClassTable("TFORM1", o->lcf.Column);
  ASSERT_TRUE(entries);
  ASSERT_EQ(entries->size(), 1u);
  EXPECT_EQ((*entries)[0].text, u"col1");
}

TEST(LcfRecords, StringSlotsOutsideTheRecordFallBackToTheBuiltInText) {
  const std::u16string ru = u"\u0436\u0434\u0430\u0442\u044C";  // "ждать"
  struct Case {
    const char* what;
    Bytes table;
    std::string want;
  };
  const Case cases[] = {
      {"translated", StringTable({{u"wait"}, {ru}}), "\xE6\xE4\xE0\xF2\xFC"},
      {"empty translation", StringTable({{u"wait"}, {u"", 0}}), ""},
      {"negative length", StringTable({{u"wait"}, {ru, -1}}), "wait"},
      {"odd length: the last byte ignored", StringTable({{u"wait"}, {ru, 9}}), "\xE6\xE4\xE0\xF2"},
      {"text past the record", StringTable({{u"wait"}, {ru, 12}}), "wait"},
      {"offset past the record", StringTable({{u"wait"}, {ru, 10, 4000}}), "wait"},
      {"negative offset", StringTable({{u"wait"}, {ru, 10, -8}}), "wait"},
      {"huge length", StringTable({{u"wait"}, {ru, 0x7FFFFFFF}}), "wait"},
      {"slot past the record", StringTable({{u"wait"}}), "wait"},
      {"slot cut in half", Bytes{8, 0, 0, 0, 2, 0, 0, 0, 8, 0, 0, 0}, "wait"},
  };
  for (const Case& c : cases) {
    auto o = OpenModule({{"LCHEADER", HeaderRecord({1033, 1049})}, {"65093", c.table}}, 1049);
    ASSERT_EQ(o->result, 1);
    EXPECT_EQ(o->lcf.TranslateResString(65093), c.want) << c.what;
  }
}

TEST(LcfRecords, BuiltInTextIsConvertedToTheLanguageCodePage) {
  auto o = OpenModule({{"LCHEADE2", HeaderRecord({1049}, 0, {1251})}}, 1049);
  ASSERT_EQ(o->result, 1);
  EXPECT_EQ(o->lcf.TranslateResString(65104), "is up to date");
  const std::string whole = o->lcf.TranslateResString(65119);
  EXPECT_EQ(whole.size(), 190u);
  EXPECT_EQ(whole.substr(whole.size() - 32), "auto detect address input field)");
  EXPECT_EQ(o->lcf.TranslateResString(1), "");  // no such message
}

TEST(LcfRecords, ClassTablesAreReadFromTheLastEntryToTheFirst) {
  const std::vector<Entry> entries = {
      {"Form1-Caption", {{u"A"}, {u"\u0410"}}},
      {"StatusBar1-Panels<0>.Text-ignored", {{u"B"}, {u"", 0}}},
      {"NoDash", {{u"C"}, {u"C"}}},
      {"Edit1-Hint", {{u"D"}, {u"D", -1}}},
      {"Label1-Caption", {{u"E"}, {u"E", 2, 5000}}},       // text past the record
      {"Label2-Caption", {{u"F"}, {u"\u0424\u0424", 3}}},  // odd length
  };
  auto o = OpenModule(
      {{"LCHEADER", HeaderRecord({1033, 1049})}, {"TFORM1", ClassTable("TFORM1", entries)}}, 1049);
  ASSERT_EQ(o->result, 1);
  const auto read = o->lcf.ReadClassTable("tform1", 1);
  ASSERT_TRUE(read);
  struct Want {
    std::string component, path;
    std::u16string text;
    bool has;
  };
  const std::vector<Want> want = {
      {"Label2", "Caption", u"\u0424", true}, {"Label1", "Caption", u"", false},
      {"Edit1", "Hint", u"", false},          {"StatusBar1", "Panels<0>.Text", u"", true},
      {"Form1", "Caption", u"\u0410", true},
  };
  ASSERT_EQ(read->size(), want.size());
  for (size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ((*read)[i].component, want[i].component) << i;
    EXPECT_EQ((*read)[i].path, want[i].path) << i;
    EXPECT_EQ((*read)[i].text, want[i].text) << i;
    EXPECT_EQ((*read)[i].hasTranslation, want[i].has) << i;
  }
  EXPECT_FALSE(o->lcf.ReadClassTable("TFORM", 1));
}

TEST(LcfRecords, DamagedClassTablesKeepWhatFits) {
  const Bytes good = ClassTable("TFORM1", {{"Form1-Caption", {{u"A"}}}, {"Edit1-Hint", {{u"B"}}}});
  Bytes overstated = good;
  overstated[10] = 0x40;  // EntryCount 0x40 (name length 6: count at offset 10)
  Bytes farEntry = good;
  farEntry[14] = 0xF0, farEntry[15] = 0xFF, farEntry[16] = 0xFF, farEntry[17] = 0x7F;
  struct Case {
    const char* what;
    Bytes table;
    size_t entries;
  };
  const Case cases[] = {
      {"as made", good, 2},
      {"EntryCount 0: present, no entries", ClassTable("TFORM1", {}), 0},
      {"EntryCount past the index: the table ends", overstated, 0},
      {"an entry offset past the record: skipped", farEntry, 1},
      {"cut inside the name", Bytes(good.begin(), good.begin() + 6), 0},
  };
  for (const Case& c : cases) {
    auto o = OpenModule({{"LCHEADER", HeaderRecord({1033})}, {"TFORM1", c.table}}, 1033);
    const auto read = o->lcf.ReadClassTable("TFORM1", 0);
    ASSERT_TRUE(read) << c.what;
    EXPECT_EQ(read->size(), c.entries) << c.what;
  }
}

// A table whose index pairs all point at one large entry: what is read may
// not take more than the table's own bytes, however many pairs there are.
TEST(LcfRecords, PairsSharingOneEntryCostNoMoreThanTheTable) {
  const std::string key = "Form1-Caption" + std::string(20000, 'k');
  const std::u16string text(20000, u'\u0436');
  const Bytes one = ClassTable("TFORM1", {{key, {{text}}}});
  // The same table with 400 pairs, all pointing at its one entry, which then
  // lies 8 * 399 bytes further on.
  constexpr int32_t kPairs = 400;
  test::Blob crafted;
  crafted.I32(6).Ascii("TFORM1").I32(kPairs);
  for (int32_t i = 0; i < kPairs; ++i) crafted.I32(8 * kPairs).I32(0);
  crafted.bytes.insert(crafted.bytes.end(), one.begin() + 4 + 6 + 4 + 8, one.end());

  struct Case {
    const char* what;
    Bytes table;
    size_t entries;
  };
  const Case cases[] = {
      {"one pair", one, 1},
      {"400 pairs at one entry", crafted.bytes, 1},
  };
  for (const Case& c : cases) {
    auto o = OpenModule({{"LCHEADER", HeaderRecord({1049})}, {"TFORM1", c.table}}, 1049);
    const auto read = o->lcf.ReadClassTable("TFORM1", 0);
    ASSERT_TRUE(read) << c.what;
    size_t copied = 0;
    for (const LcfEntry& e : *read)
      copied += e.component.size() + e.path.size() + 2 * e.text.size();
    EXPECT_LE(copied, c.table.size()) << c.what;
    ASSERT_EQ(read->size(), c.entries) << c.what;
    EXPECT_EQ(read->front().text, text) << c.what;
  }
}

TEST(LcfRecords, Pe32ModulesReadAlike) {
  auto o = OpenModule({{"LCHEADER", HeaderRecord({1049})},
                       {"65093", StringTable({{u"\u0436\u0434\u0430\u0442\u044C"}})}},
                      1049, PeKind::Pe32);
  ASSERT_EQ(o->result, 1);
  EXPECT_EQ(o->lcf.TranslateResString(65093), "\xE6\xE4\xE0\xF2\xFC");
}

}  // namespace
}  // namespace trelio
