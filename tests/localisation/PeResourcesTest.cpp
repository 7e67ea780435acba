#include "localisation/PeResources.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <random>

#include "app/core/text/Messages.h"
#include "localisation/LcUnit.h"
#include "tests/localisation/LcfTestSupport.h"
#include "tests/support/NotAFile.h"

namespace trelio {
namespace {

using test::BuildModule;
using test::Bytes;
using test::PeKind;

std::string AsText(std::span<const uint8_t> bytes) {
  return std::string(bytes.begin(), bytes.end());
}

uint32_t U32At(const Bytes& b, size_t at) {
  return uint32_t(b[at]) | uint32_t(b[at + 1]) << 8 | uint32_t(b[at + 2]) << 16 |
         uint32_t(b[at + 3]) << 24;
}

void PutU32(Bytes& b, size_t at, uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + size_t(i)] = uint8_t(v >> (8 * i));
}

const Bytes& SmallModule(PeKind kind) {
  static const Bytes pe32plus =
      BuildModule({{"LCHEADER", {'L', 'C', 'H', 'E', 'A', 'D', 'E', 'R', 1, 2, 3, 4, 5, 6, 7, 8}},
                   {"TFORM1", {'f', 'o', 'r', 'm'}},
                   {"65131", {'v', 'e', 'r'}}});
  static const Bytes pe32 = BuildModule({{"TFORM1", {'3', '2'}}, {"65131", {'v'}}}, PeKind::Pe32);
  return kind == PeKind::Pe32 ? pe32 : pe32plus;
}

TEST(PeResources, FindsRcDataByTextNameInBothPeForms) {
  const std::optional<PeModule> plus = PeModule::FromBytes(SmallModule(PeKind::Pe32Plus));
  ASSERT_TRUE(plus);
  EXPECT_EQ(AsText(*plus->FindRcData("TFORM1")), "form");
  EXPECT_EQ(AsText(*plus->FindRcData("65131")), "ver");
  EXPECT_EQ(plus->FindRcData("LCHEADER")->size(), 16u);
  const std::optional<PeModule> pe32 = PeModule::FromBytes(SmallModule(PeKind::Pe32));
  ASSERT_TRUE(pe32);
  EXPECT_EQ(AsText(*pe32->FindRcData("TFORM1")), "32");
  EXPECT_EQ(AsText(*pe32->FindRcData("65131")), "v");
}

TEST(PeResources, NamesMatchWithoutRegardToCaseAndOnlyWhole) {
  const std::optional<PeModule> m = PeModule::FromBytes(SmallModule(PeKind::Pe32Plus));
  ASSERT_TRUE(m);
  EXPECT_EQ(AsText(*m->FindRcData("tForm1")), "form");
  for (const char* absent : {"TFORM", "TFORM12", "6513", "#65131", "", "LCHEADE2"})
    EXPECT_FALSE(m->FindRcData(absent)) << absent;
}

TEST(PeResources, RefusesWhatIsNotAPeModule) {
  EXPECT_FALSE(PeModule::Open("/nonexistent/korvane-trelio.lcf"));
  EXPECT_FALSE(PeModule::FromBytes({}));
  EXPECT_FALSE(PeModule::FromBytes(Bytes(4096, 0)));
  Bytes text(200, 'x');
  text[0] = 'M', text[1] = 'Z';
  EXPECT_FALSE(PeModule::FromBytes(text));
}

// A module path where a link to an endless device or a pipe lies opens at
// once as no module, so the program goes on in English.
TEST(PeResources, WhatIsNotAFileIsNoModule) {
  test::ScratchFolder dir;
  ASSERT_TRUE(test::LinkToEndlessDevice(dir / "zero.lcf"));
  EXPECT_FALSE(PeModule::Open(dir / "zero.lcf"));
  EXPECT_EQ(LcLoadLanguage(dir / "zero.lcf", 1049, nullptr, 0), -1);
  for (int attempt = 0; attempt < 2; ++attempt) {
    // A pipe of its own each time: its name must stay until it is let go.
    test::PipeWithoutWriter pipe(dir / ("pipe" + std::to_string(attempt) + ".lcf"));
    ASSERT_TRUE(pipe.Made());
    if (attempt == 0)
      EXPECT_FALSE(PeModule::Open(pipe.path()));
    else
      EXPECT_EQ(LcLoadLanguage(pipe.path(), 1049, nullptr, 0), -1);
  }
  EXPECT_EQ(MessageText(msgVersion), u"version");
}

// Headers patched to point outside the file: the module is refused or the
// resource is absent, never read from elsewhere.
TEST(PeResources, PatchedHeadersPointingOutsideAreRefused) {
  const Bytes& good = SmallModule(PeKind::Pe32Plus);
  const uint32_t pe = U32At(good, 0x3C);
  const size_t opt = pe + 24;
  const size_t resourceDir = opt + 112 + 16;
  const size_t section = opt + (good[pe + 20] | good[pe + 21] << 8);
  struct Patch {
    const char* what;
    size_t at;
    uint32_t value;
    bool width16;
  };
  const Patch patches[] = {
      {"PE header past the end", 0x3C, 0xFFFFFFF0u, false},
      {"PE signature", pe, 0x00004551u, false},
      {"optional header magic", opt, 0x0107u, true},
      {"no resource directory entry", opt + 108, 2u, false},
      {"resource directory past the image", resourceDir, 0x7FFFF000u, false},
      {"no resource directory", resourceDir, 0u, false},
      {"optional header size past the end", pe + 20, 0xFFF0u, true},
      {"many sections", pe + 6, 0xFFFFu, true},
      {"section raw data past the end", section + 20, 0x7FFFFF00u, false},
      {"section raw size zero", section + 16, 0u, false},
  };
  for (const Patch& p : patches) {
    Bytes b = good;
    if (p.width16) {
      b[p.at] = uint8_t(p.value), b[p.at + 1] = uint8_t(p.value >> 8);
    } else {
      PutU32(b, p.at, p.value);
    }
    const std::optional<PeModule> m = PeModule::FromBytes(b);
    EXPECT_TRUE(!m || !m->FindRcData("TFORM1")) << p.what;
  }
}

// Points the data entry of the resource at `bytes` (found by its RVA range and
// size) past the file; false when no such entry was found.
bool MakeUnloadable(Bytes& module, std::span<const uint8_t> bytes) {
  const uint32_t size = uint32_t(bytes.size());
  for (size_t at = 0; at + 12 <= module.size(); ++at)
    if (U32At(module, at + 4) == size && U32At(module, at + 8) == 0 &&
        U32At(module, at) >= 0x1000 && U32At(module, at) < 0x3000) {
      PutU32(module, at + 4, 0x7FFFFFFF);
      return true;
    }
  return false;
}

// A data entry whose bytes lie past the file makes only that resource absent.
TEST(PeResources, DataEntryPastTheFileIsAbsent) {
  Bytes b = SmallModule(PeKind::Pe32Plus);
  const std::optional<PeModule> m = PeModule::FromBytes(b);
  ASSERT_TRUE(MakeUnloadable(b, *m->FindRcData("TFORM1")));
  const std::optional<PeModule> p = PeModule::FromBytes(b);
  ASSERT_TRUE(p);
  EXPECT_FALSE(p->FindRcData("TFORM1"));
  EXPECT_TRUE(p->FindRcData("65131"));
  // The name is still there: the resource exists but cannot be loaded.
  EXPECT_TRUE(p->LookUpRcData("TFORM1").exists);
  EXPECT_FALSE(p->LookUpRcData("TFORM1").bytes);
  EXPECT_FALSE(p->LookUpRcData("TFORM2").exists);
}

// A first-form header that exists but cannot be loaded makes the module
// unusable; the second form is only for a module without the first.
TEST(PeResources, UnloadableFirstHeaderIsNotReplacedByTheSecond) {
  Bytes b = BuildModule({{"LCHEADE2", test::HeaderRecord({1033, 1049}, 0, {1252, 1251})},
                         {"LCHEADER", test::HeaderRecord({1049})}});
  TLcf whole;
  ASSERT_EQ(whole.OpenBytes(b, 1049, nullptr), 1);
  ASSERT_TRUE(whole.HeaderIsFirstForm);
  const std::optional<PeModule> m = PeModule::FromBytes(b);
  ASSERT_TRUE(MakeUnloadable(b, *m->FindRcData("LCHEADER")));
  ASSERT_FALSE(PeModule::FromBytes(b)->FindRcData("LCHEADER"));
  ASSERT_TRUE(PeModule::FromBytes(b)->FindRcData("LCHEADE2"));
  TLcf damaged;
  EXPECT_EQ(damaged.OpenBytes(b, 1049, nullptr), -1);
  EXPECT_EQ(damaged.OpenBytes(b, 1033, nullptr), -1);
}

// Every way of reading the module, as the engine does; whether it opened.
bool ReadEverything(const Bytes& bytes) {
  bool opened = false;
  for (int32_t lcid : {1033, 1049}) {
    TLcf lcf;
    if (lcf.OpenBytes(bytes, lcid, [](int32_t, intptr_t) { return 1; }) < 0) continue;
    opened = true;
    for (uint16_t id = 65070; id < 65140; ++id) (void)lcf.TranslateResString(id);
    for (int32_t column : {0, 1, 2, 1000000})
      if (auto table = lcf.ReadClassTable("TFORM1", column))
        for (const LcfEntry& e : *table) (void)e.text.size();
  }
  return opened;
}

TEST(PeResources, EveryTruncationOfTheBuiltModuleIsReadSafely) {
  const Bytes module = test::BuiltModuleBytes();
  ASSERT_GT(module.size(), 1000u);
  size_t opened = 0;
  for (size_t n = 0; n < module.size(); n += n < 1024 ? 1 : 7)
    opened += ReadEverything(Bytes(module.begin(), module.begin() + std::ptrdiff_t(n)));
  EXPECT_GT(opened, 0u);
  // A module cut inside its last record (the class table; records lie in
  // name order) still opens: that record is absent, the others are read.
  const std::optional<PeModule> whole = PeModule::FromBytes(module);
  const std::span<const uint8_t> table = *whole->FindRcData("TFORM1");
  const auto at = std::search(module.begin(), module.end(), table.begin(), table.end());
  ASSERT_NE(at, module.end());
  TLcf lcf;
  ASSERT_EQ(lcf.OpenBytes(Bytes(module.begin(), at + 10), 1049, nullptr), 1);
  EXPECT_FALSE(lcf.ReadClassTable("TFORM1", 1));
  EXPECT_NE(lcf.TranslateResString(msgShow), "Show");
}

// Random bytes written over random places of the real module; under the
// sanitizers a read outside the bytes fails the run.
TEST(PeResources, RandomlyMutatedModulesAreReadSafely) {
  const Bytes module = test::BuiltModuleBytes();
  std::mt19937 random(20261210);
  std::uniform_int_distribution<size_t> place(0, module.size() - 1);
  std::uniform_int_distribution<int> byte(0, 255), count(1, 16), special(0, 3);
  for (int round = 0; round < 1500; ++round) {
    Bytes b = module;
    for (int k = count(random); k > 0; --k) {
      const size_t at = place(random);
      // Now and then a whole field of an extreme value.
      if (special(random) == 0 && at + 4 <= b.size()) {
        static constexpr uint32_t kExtremes[] = {0,          0x7FFFFFFF, 0x80000000,
                                                 0xFFFFFFFF, 0xFFFFFFFE, 0x1000};
        PutU32(b, at, kExtremes[size_t(byte(random)) % std::size(kExtremes)]);
      } else {
        b[at] = uint8_t(byte(random));
      }
    }
    if (special(random) == 0) b.resize(place(random));
    ReadEverything(b);
  }
}

// The records themselves, cut and mutated, each in a heap block of exactly its
// size so that the sanitizers see any read past it.
TEST(PeResources, RandomlyMutatedRecordsAreReadSafely) {
  const std::optional<PeModule> m = PeModule::FromBytes(test::BuiltModuleBytes());
  ASSERT_TRUE(m);
  std::vector<Bytes> records;
  for (const char* name : {"LCHEADER", "TFORM1", "65119", "65072"}) {
    const std::span<const uint8_t> r = *m->FindRcData(name);
    records.emplace_back(r.begin(), r.end());
  }
  std::mt19937 random(7);
  std::uniform_int_distribution<int> byte(0, 255);
  for (int round = 0; round < 20000; ++round) {
    Bytes b = records[size_t(round) % records.size()];
    if (b.empty()) continue;
    std::uniform_int_distribution<size_t> place(0, b.size() - 1);
    for (int k = round % 4; k >= 0; --k) b[place(random)] = uint8_t(byte(random));
    if (round % 3 == 0) b.resize(place(random));
    const auto exact = std::make_unique<uint8_t[]>(b.size());
    std::copy(b.begin(), b.end(), exact.get());
    const ResourceBytes view(exact.get(), b.size());
    if (const std::optional<LcfHeader> h = ReadLcfHeader(view, round % 2 == 0))
      for (int32_t i = 0; i < h->languageCount; ++i) (void)(h->Lcid(i) + h->StoredCodePage(i));
    for (int32_t column : {0, 1, 3}) {
      (void)ReadLcfClassTable(view, column);
      (void)ReadLcfStringSlot(view, column);
    }
  }
}

}  // namespace
}  // namespace trelio
