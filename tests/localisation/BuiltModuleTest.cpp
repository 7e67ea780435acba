// The language module the build makes beside the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/core/text/Messages.h"
#include "localisation/LcUnit.h"
#include "localisation/pack/TranslationSource.h"
#include "tests/localisation/LcfTestSupport.h"

namespace trelio {
namespace {

std::string RunCommand(const std::string& command) {
  std::string out;
  std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
  if (!pipe) return out;
  char buffer[4096];
  while (size_t n = fread(buffer, 1, sizeof buffer, pipe.get())) out.append(buffer, n);
  return out;
}

class BuiltModule : public ::testing::Test {
 protected:
  void TearDown() override { LcReleaseLanguage(); }
};

TEST_F(BuiltModule, EveryMessageReadsBackInEachLanguage) {
  const lcfpack::TranslationSources sources = test::ReadSources();
  ASSERT_EQ(sources.lcids, (std::vector<int32_t>{1033, 1049}));
  for (size_t column = 0; column < sources.lcids.size(); ++column) {
    std::vector<int32_t> listed;
    ASSERT_EQ(LcLoadLanguage(
                  KT_LANGUAGE_MODULE, sources.lcids[column],
                  [&](int32_t lcid, intptr_t) { return listed.push_back(lcid), 1; }, 0),
              1);
    EXPECT_EQ(listed, sources.lcids);
    for (uint16_t id : ProgramMessageIds()) {
      const std::u16string want = *sources.messages.at(id).texts[column];
      EXPECT_EQ(MessageText(id), want) << id;
      if (sources.lcids[column] == 1033) {
        EXPECT_EQ(want, BuiltInMessage(id)) << id;
      } else {
        // Every Russian text is Russian, not English left in place.
        EXPECT_NE(want.find_first_of(u"абвгдеёжзийклмнопрстуфхцчшщъыьэюя"), std::u16string::npos)
            << id;
      }
    }
  }
}

TEST_F(BuiltModule, HoldsTheWindowClassTablesOfTheSources) {
  ASSERT_EQ(LcLoadLanguage(KT_LANGUAGE_MODULE, 1049, nullptr, 0), 1);
  const std::shared_ptr<const TLcf> active = LcActiveLanguage();
  const auto entries = active->ReadClassTable("TFORM1", active->Column);
  ASSERT_TRUE(entries);
  ASSERT_FALSE(entries->empty());
  EXPECT_EQ(entries->back().component, "Form1");
  EXPECT_EQ(entries->back().path, "Caption");
  EXPECT_TRUE(entries->back().hasTranslation);
}

// An independent reader (python3-pefile) sees a PE file with no time stamp,
// the header and one text-named RCDATA table per message id.
TEST_F(BuiltModule, IndependentReaderSeesHeaderAndOneTablePerMessage) {
  const std::string script =
      "import pefile,sys\n"
      "pe=pefile.PE(sys.argv[1])\n"
      "print('stamp', pe.FILE_HEADER.TimeDateStamp)\n"
      "for t in pe.DIRECTORY_ENTRY_RESOURCE.entries:\n"
      "  for e in t.directory.entries:\n"
      "    print(t.id, e.name)\n";
  const std::string out = RunCommand(std::string(KT_SYSTEM_PYTHON3) + " -c \"" + script +
                                     "\" " KT_LANGUAGE_MODULE " 2>&1");
  EXPECT_NE(out.find("stamp 0\n"), std::string::npos) << out;
  EXPECT_NE(out.find("10 LCHEADER\n"), std::string::npos) << out;
  EXPECT_NE(out.find("10 TFORM1\n"), std::string::npos) << out;
  for (uint16_t id : ProgramMessageIds())
    EXPECT_NE(out.find("10 " + std::to_string(id) + "\n"), std::string::npos) << id;
}

// The same records give the same bytes: no time stamp anywhere.
TEST_F(BuiltModule, ToolchainOutputIsDeterministic) {
  const std::vector<test::Resource> resources = {
      {"LCHEADER", test::HeaderRecord({1033, 1049})},
      {"65131", test::StringTable({{u"version"}, {u"\u0432"}})}};
  EXPECT_EQ(test::BuildModule(resources), test::BuildModule(resources));
}

}  // namespace
}  // namespace trelio
