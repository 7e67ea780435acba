// The language module the build makes beside the program.
#include <gtest/gtest.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <memory>

#include "app/core/text/ErrorText.h"
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

// A failed file step is worded in the active language around the path and
// the system's own words, and back in English after a switch.
TEST_F(BuiltModule, FileErrorsReadInTheActiveLanguage) {
  const std::string path = "/home/\xD0\xBF/index.csv";  // UTF-8, as paths are
  const std::string tooBig = SystemErrorText(EFBIG);
  struct Case {
    FileFailure failure;
    const char* english;
    const char* russian;
  };
  const Case cases[] = {
      {{FileStep::kWrite, path, EFBIG},
       "Cannot write \"%s\": %e",
       "\u041D\u0435 \u0443\u0434\u0430\u0451\u0442\u0441\u044F "
       "\u0437\u0430\u043F\u0438\u0441\u0430\u0442\u044C \"%s\": %e"},
      {{FileStep::kCreateIn, "/home/\xD0\xBF", EFBIG},
       "Cannot create a file in \"%s\": %e",
       nullptr},
      {{FileStep::kCreateFolder, "/home/\xD0\xBF", EFBIG},
       "Cannot create the folder \"%s\": %e",
       nullptr},
      {{FileStep::kRead, path, 0, FileRefusal::kNotRegular},
       "Cannot read \"%s\": it is not a regular file",
       nullptr},
      {{FileStep::kRead, path, 0, FileRefusal::kTooLarge, 64 << 20},
       "Cannot read \"%s\": it is larger than 64 MiB",
       nullptr},
      {{FileStep::kRead, path, EFBIG, FileRefusal::kNone, 0, true},
       "Cannot read \"%s\": %e; the file was left as it is",
       nullptr},
  };
  const auto expand = [&](std::string text, const FileFailure& f) {
    text.replace(text.find("%s"), 2, f.path);
    if (const size_t e = text.find("%e"); e != std::string::npos) text.replace(e, 2, tooBig);
    return text;
  };
  ASSERT_EQ(LcLoadLanguage(KT_LANGUAGE_MODULE, 1049, nullptr, 0), 1);
  for (const Case& c : cases) {
    const std::string russian = ErrorText(c.failure);
    EXPECT_EQ(russian.find("Cannot"), std::string::npos) << russian;
    EXPECT_NE(russian.find("\"" + c.failure.path + "\""), std::string::npos) << russian;
    if (c.russian) {
      EXPECT_EQ(russian, expand(c.russian, c.failure));
    }
  }
  LcReleaseLanguage();
  for (const Case& c : cases) EXPECT_EQ(ErrorText(c.failure), expand(c.english, c.failure));
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
