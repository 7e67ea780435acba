#include "app/platform/IniFile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <map>
#include <ostream>
#include <random>
#include <stdexcept>

#include "tests/support/FileSizeLimit.h"
#include "tests/support/ScratchFolder.h"

namespace trelio {
namespace {

using test::ReadBytes;
using test::ScratchFolder;
using test::WriteBytes;

std::string WithLineBreak(std::string text, std::string_view eol) {
  std::string out;
  for (char c : text) {
    if (c == '\n')
      out += eol;
    else
      out += c;
  }
  return out;
}

constexpr std::string_view kReadFixture =
    "; a comment before any section\n"
    "Early=before any section\n"
    "[Alpha]\n"
    "Name =  plain value  \n"
    "Quoted = \"  padded  \"\n"
    "Single='x'\n"
    "Mismatched=\"x'\n"
    "OneQuote=\"\n"
    "Empty=\n"
    "NoEquals\n"
    "Inner = a=b\n"
    "; Commented=1\n"
    "\t[ beta ]  trailing text\n"
    "k=1\n"
    "[ALPHA]\n"
    "Later=in the second section of the name\n"
    "[Broken\n"
    "Name=after a broken header\n";

TEST(IniFileTest, ReadsValuesByTheProfileRules) {
  struct Case {
    const char* section;
    const char* key;
    const char* expected;
  };
  const Case cases[] = {
      {"Alpha", "Name", "plain value"},
      {"ALPHA", "name", "plain value"},
      {" alpha ", " NAME ", "plain value"},
      {"Alpha", "Quoted", "  padded  "},
      {"Alpha", "Single", "x"},
      {"Alpha", "Mismatched", "\"x'"},
      {"Alpha", "OneQuote", "\""},
      {"Alpha", "Empty", ""},
      {"Alpha", "NoEquals", "<default>"},
      {"Alpha", "Inner", "a=b"},
      {"Alpha", "Commented", "<default>"},
      {"Alpha", "Missing", "<default>"},
      {"Beta", "K", "1"},
      {"Alpha", "Later", "<default>"},
      {"Alpha", "Early", "<default>"},
      {"Broken", "Name", "<default>"},
      {"Gamma", "Name", "<default>"},
  };
  for (std::string_view eol : {"\n", "\r\n"}) {
    const IniFile ini = IniFile::FromBytes(WithLineBreak(std::string(kReadFixture), eol));
    for (const Case& c : cases)
      EXPECT_EQ(ini.ReadString(c.section, c.key, "<default>"), c.expected)
          << c.section << "/" << c.key << (eol.size() == 2 ? " (CRLF)" : " (LF)");
  }
}

TEST(IniFileTest, CutsValuesAfterRemovingQuotes) {
  const std::string longValue(3000, 'v');
  const IniFile ini = IniFile::FromBytes("[S]\nPlain=" + longValue + "\nQuoted=\"" +
                                         std::string(2047, 'q') + "\"\n");
  EXPECT_EQ(ini.ReadString("S", "Plain", ""), std::string(2047, 'v'));
  EXPECT_EQ(ini.ReadString("S", "Quoted", ""), std::string(2047, 'q'));
}

TEST(IniFileTest, ReadsIntegersAsThePrivateProfileDoes) {
  struct Case {
    const char* text;
    bool ok;
    int32_t value;
  };
  const Case cases[] = {
      {"960", true, 960},
      {"-5", true, -5},
      {"+7", true, 7},
      {"007", true, 7},
      {" 12", true, 12},
      {"0x3C0", true, 960},
      {"0X3c0", true, 960},
      {"$3C0", true, 960},
      {"-$10", true, -16},
      {"$FFFFFFFF", true, -1},
      {"0xFFFFFFFF", true, -1},
      {"2147483647", true, 2147483647},
      {"-2147483648", true, INT32_MIN},
      {"2147483648", false, 0},
      {"0x100000000", false, 0},
      {"960px", false, 0},
      {"12 ", false, 0},
      {"abc", false, 0},
      {"", false, 0},
      {"0x", false, 0},
      {"x10", false, 0},
      {"-0x10", false, 0},
      {"0x-1", false, 0},
      {"$", false, 0},
      {"-", false, 0},
      {"1.5", false, 0},
  };
  for (const Case& c : cases) {
    int32_t value = 0;
    EXPECT_EQ(ReadProfileInteger(c.text, value), c.ok) << c.text;
    if (c.ok) {
      EXPECT_EQ(value, c.value) << c.text;
    }
  }
  const IniFile ini =
      IniFile::FromBytes("[Interface]\nWidth = 0x3C0\nHeight=abc\nLeft=\"12\"\nTop=\n");
  EXPECT_EQ(ini.ReadInteger("interface", "width", 600), 960);
  EXPECT_EQ(ini.ReadInteger("Interface", "Height", 600), 600);
  EXPECT_EQ(ini.ReadInteger("Interface", "Left", 0), 12);
  EXPECT_EQ(ini.ReadInteger("Interface", "Top", 33), 33);
  EXPECT_EQ(ini.ReadInteger("Interface", "Missing", 44), 44);
}

TEST(IniFileTest, WritingTouchesOnlyTheKeysWritten) {
  const std::string before = WithLineBreak(
      "; settings of the user\n"
      "[Interface]\n"
      "Language = en\n"
      "Foreign key = kept\t  \n"
      "Width=960\n"
      "Flag\n"
      "\n"
      "; notes before the next section\n"
      "[List]\n"
      "Sort by=\"4\"\n"
      "Order = 1\n"
      "[Other]\n"
      "x=y",
      "\r\n");
  IniFile ini = IniFile::FromBytes(before);
  ini.WriteString("interface", "LANGUAGE", "ru");
  ini.WriteInteger("Interface", "Width", 1024);
  ini.WriteString("Interface", "Flag", "1");
  ini.WriteString("Interface", "Page", "3");
  ini.WriteInteger("List", "Sort by", 4);  // the same value: the line stays as written
  ini.WriteInteger("List", "Order", 0);
  ini.WriteString("Other", "z", "w");
  ini.WriteString("Parser", "Ignore field names", "adcopy_response");
  const std::string expected = WithLineBreak(
      "; settings of the user\n"
      "[Interface]\n"
      "Language = ru\n"
      "Foreign key = kept\t  \n"
      "Width=1024\n"
      "Flag=1\n"
      "Page=3\n"
      "\n"
      "; notes before the next section\n"
      "[List]\n"
      "Sort by=\"4\"\n"
      "Order = 0\n"
      "[Other]\n"
      "x=y\n"
      "z=w\n"
      "[Parser]\n"
      "Ignore field names=adcopy_response\n",
      "\r\n");
  EXPECT_EQ(ini.Bytes(), expected);
}

TEST(IniFileTest, NewFileGetsSectionsInTheOrderWritten) {
  IniFile ini;
  ini.WriteString("Addresses", "Bitcoin", "");
  ini.WriteInteger("Interface", "Left", -8);
  ini.WriteString("Addresses", "Litecoin", "L");
  ini.WriteString("Interface", "Language", "en");
  EXPECT_EQ(ini.Bytes(), "[Addresses]\nBitcoin=\nLitecoin=L\n[Interface]\nLeft=-8\nLanguage=en\n");
}

// Interleaved writes must keep every section boundary right: after each write
// a fresh parse of the bytes reads what the object reads.
TEST(IniFileTest, ManyInterleavedWritesStayConsistent) {
  IniFile ini = IniFile::FromBytes("[B]\nb0=x\n\n[A]\n[a]\nshadow=1\n[C]");
  const char* sections[] = {"A", "B", "C", "D"};
  for (int round = 0; round < 40; ++round) {
    const char* section = sections[round % 4];
    const std::string key = "k" + std::to_string(round % 7);
    ini.WriteString(section, key, std::string(round % 5, 'v') + std::to_string(round));
    const IniFile reparsed = IniFile::FromBytes(ini.Bytes());
    for (const char* s : sections)
      for (int k = 0; k < 7; ++k) {
        const std::string name = "k" + std::to_string(k);
        ASSERT_EQ(reparsed.ReadString(s, name, "-"), ini.ReadString(s, name, "-"))
            << "round " << round << " " << s << "/" << name;
      }
  }
  EXPECT_EQ(ini.ReadString("B", "b0", ""), "x");
  EXPECT_EQ(ini.ReadString("A", "shadow", "-"), "-");
  EXPECT_EQ(ini.ReadString("C", "k2", ""), "30");  // written in rounds 2 and 30
}

// What every section and key name of a generated file reads.
class AllReadings {
 public:
  static constexpr const char* kSections[] = {"A", "Parser", "New", "c d"};
  static constexpr const char* kKeys[] = {"k", "No pay template", "X", "y"};

  explicit AllReadings(const IniFile& ini) {
    for (const char* s : kSections)
      for (const char* k : kKeys) values_[{s, k}] = ini.ReadString(s, k, "<missing>");
  }
  void Set(const std::string& section, const std::string& key, const std::string& value) {
    values_[{section, key}] = value;
  }
  bool operator==(const AllReadings&) const = default;
  friend std::ostream& operator<<(std::ostream& out, const AllReadings& r) {
    for (const auto& [name, value] : r.values_)
      out << "\n  [" << name.first << "] " << name.second << " = " << value;
    return out;
  }

 private:
  std::map<std::pair<std::string, std::string>, std::string> values_;
};

struct KeyWrite {
  std::string section, key, value;
};

// Writes the keys one after another; after each write, the file as the next
// start reads it must give that key the new value and every other key the
// value it had.
void ExpectEachWriteChangesOnlyItsKey(const std::string& bytes,
                                      const std::vector<KeyWrite>& writes) {
  IniFile ini = IniFile::FromBytes(bytes);
  AllReadings expected(ini);
  for (const KeyWrite& w : writes) {
    ini.WriteString(w.section, w.key, w.value);
    expected.Set(w.section, w.key, w.value);
    ASSERT_EQ(AllReadings(IniFile::FromBytes(ini.Bytes())), expected)
        << "file before: \"" << bytes << "\"\nafter writing [" << w.section << "] " << w.key
        << ": \"" << ini.Bytes() << "\"";
    ASSERT_EQ(AllReadings(ini), expected);
  }
}

TEST(IniFileTest, AWriteChangesNoOtherKeyWhateverTheFileEndsWith) {
  const std::string endings[] = {
      "[Parser]",
      "[Parser]\r",
      "[Parser]  ",
      "[Parser]\n",
      "[Parser]\r\n",
      "[Parser]\nk=1",
      "[Parser]\nk=1\r",
      "[A]\n[Parser]",
      "[Parser]\n\n",
      "[Parser]\n; note",
      "[Parser]\n[parser]",
      "[Parser]\nX",
      "",
      "k=0",
      "[Parser",
  };
  const KeyWrite writes[] = {{"Parser", "No pay template", "wait"},
                             {"New", "k", "n"},
                             {"A", "y", "a"},
                             {"Parser", "k", "2"}};
  for (const std::string& ending : endings)
    for (const std::string& before : {std::string(), std::string("[A]\r\nk=a\r\n")})
      for (const KeyWrite& first : writes)
        for (const KeyWrite& second : writes)
          ExpectEachWriteChangesOnlyItsKey(before + ending, {first, second});
}

TEST(IniFileTest, RandomFilesAndWritesChangeNoOtherKey) {
  const char* lines[] = {"[A]",     "[a]", "[Parser]",    "[New]", "[ c d ]",
                         "[Parser", "k=1", " X = \"q\" ", "y",     "No pay template=old",
                         "; k=2",   "",    "  ",          "=v",    "[A] tail",
                         "k"};
  const char* breaks[] = {"\n", "\r\n", "\r", ""};
  std::mt19937 random(20261210);
  const auto pick = [&](auto& list) { return list[random() % std::size(list)]; };
  for (int round = 0; round < 3000; ++round) {
    std::string bytes;
    for (int n = random() % 8; n > 0; --n) bytes += std::string(pick(lines)) + pick(breaks);
    std::vector<KeyWrite> writes;
    for (int n = 1 + random() % 3; n > 0; --n)
      writes.push_back({pick(AllReadings::kSections), pick(AllReadings::kKeys),
                        "v" + std::to_string(random() % 100)});
    ExpectEachWriteChangesOnlyItsKey(bytes, writes);
    if (HasFatalFailure()) return;
  }
}

TEST(IniFileTest, ValuesCannotAddLinesAndBadNamesAreRefused) {
  IniFile ini;
  ini.WriteString("S", "Key", "one\r\n[Injected]\nEvil=1");
  EXPECT_EQ(ini.ReadString("S", "Key", ""), "one  [Injected] Evil=1");
  EXPECT_EQ(ini.ReadString("Injected", "Evil", "-"), "-");

  // A refused name writes nothing, and Flush names the first refused one
  // without touching the file.
  struct Case {
    const char* section;
    const char* key;
    const char* error;
  } const cases[] = {
      {"S", "a=b", "INI key name cannot be stored: \"a=b\""},
      {"S", ";key", "INI key name cannot be stored: \";key\""},
      {"S", " ", "INI key name cannot be stored: \" \""},
      {"S]", "k", "INI section name cannot be stored: \"S]\""},
      {"S\n", "k", "INI section name cannot be stored: \"S\n\""},
  };
  ScratchFolder dir;
  const std::string old = "[S]\nKey=1\n";
  WriteBytes(dir / "settings.ini", old);
  for (const Case& c : cases) {
    IniFile refusing = IniFile::Load(dir / "settings.ini");
    refusing.WriteString(c.section, c.key, "1");
    EXPECT_EQ(refusing.Bytes(), old) << c.error;
    refusing.WriteString("S", "Key", "2");
    refusing.WriteString("S", "=second", "1");
    EXPECT_EQ(refusing.Flush().error, c.error);
    EXPECT_EQ(ReadBytes(dir / "settings.ini"), old);
  }
}

TEST(IniFileTest, AnyBytesLoad) {
  std::string binary;
  for (int i = 0; i < 256; ++i) binary += char(i);
  const std::string inputs[] = {
      binary + binary,
      std::string(10 * 1024 * 1024, 'x'),
      "[Huge]\nKey=" + std::string(10 * 1024 * 1024, 'y') + "\n",
      std::string(100000, '['),
      std::string(100000, '\n'),
      std::string("[S]\nKey=a\0b\n", 12),
      "no sections at all\nKey=1\n",
  };
  for (const std::string& bytes : inputs) {
    IniFile ini = IniFile::FromBytes(bytes);
    EXPECT_EQ(ini.ReadString("S", "Other", "-"), "-");
    ini.WriteString("S", "Other", "1");
    EXPECT_EQ(ini.ReadString("S", "Other", "-"), "1");
    EXPECT_EQ(ini.Bytes().substr(0, bytes.size()), bytes);
  }
  EXPECT_EQ(IniFile::FromBytes(inputs[2]).ReadString("Huge", "Key", ""), std::string(2047, 'y'));
  EXPECT_EQ(IniFile::FromBytes(inputs[5]).ReadString("S", "Key", ""), std::string("a\0b", 3));
}

TEST(IniFileFlushTest, MissingFileReadsEmptyAndIsCreatedByTheFirstWrite) {
  ScratchFolder dir;
  IniFile untouched = IniFile::Load(dir / "none.ini");
  EXPECT_TRUE(untouched.LoadError().ok());
  EXPECT_EQ(untouched.ReadInteger("S", "K", 5), 5);
  EXPECT_TRUE(untouched.Flush().ok());
  EXPECT_FALSE(std::filesystem::exists(dir / "none.ini"));

  IniFile ini = IniFile::Load(dir / "settings.ini");
  ini.WriteInteger("S", "K", 7);
  ASSERT_TRUE(ini.Flush().ok());
  EXPECT_EQ(ReadBytes(dir / "settings.ini"), "[S]\nK=7\n");
  EXPECT_EQ(IniFile::Load(dir / "settings.ini").ReadInteger("s", "k", 0), 7);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
}

TEST(IniFileFlushTest, KeepsPermissionsAndFollowsSymbolicLinks) {
  ScratchFolder dir;
  WriteBytes(dir / "real.ini", "[S]\nK=1\n");
  chmod((dir / "real.ini").c_str(), 0640);
  std::filesystem::create_symlink("real.ini", dir / "settings.ini");
  IniFile ini = IniFile::Load(dir / "settings.ini");
  ini.WriteInteger("S", "K", 2);
  ASSERT_TRUE(ini.Flush().ok());
  EXPECT_TRUE(std::filesystem::is_symlink(dir / "settings.ini"));
  EXPECT_EQ(ReadBytes(dir / "real.ini"), "[S]\nK=2\n");
  struct stat st;
  ASSERT_EQ(stat((dir / "real.ini").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(IniFileFlushTest, FailedWriteReportsAndKeepsTheOldFile) {
  ScratchFolder dir;
  const std::string old = "[S]\nK=1\nForeign=kept\n";
  WriteBytes(dir / "settings.ini", old);
  IniFile ini = IniFile::Load(dir / "settings.ini");
  ini.WriteString("S", "K", std::string(100000, 'x'));

  // A file size limit makes the write of the temporary file fail part-way.
  const Outcome flushed = [&] {
    const test::FileSizeLimit limit(4096);
    EXPECT_TRUE(limit.Set());
    return ini.Flush();
  }();

  EXPECT_FALSE(flushed.ok());
  EXPECT_EQ(ReadBytes(dir / "settings.ini"), old);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()), {}), 1);
  EXPECT_TRUE(ini.Flush().ok());  // the next attempt may succeed
}

TEST(IniFileFlushTest, UnreadableOrUnreachableFilesAreReported) {
  ScratchFolder dir;
  std::filesystem::create_directory(dir / "settings.ini");
  IniFile folder = IniFile::Load(dir / "settings.ini");
  ASSERT_TRUE(folder.LoadError().file);
  EXPECT_EQ(folder.LoadError().file->err, EISDIR);
  EXPECT_EQ(folder.ReadString("S", "K", "d"), "d");
  folder.WriteString("S", "K", "v");
  const Outcome kept = folder.Flush();
  ASSERT_TRUE(kept.file);
  EXPECT_EQ(kept.file->step, FileStep::kRead);
  EXPECT_TRUE(kept.file->leftAsItWas);
  EXPECT_TRUE(std::filesystem::is_directory(dir / "settings.ini"));

  IniFile nowhere = IniFile::Load(dir / "missing/settings.ini");
  EXPECT_TRUE(nowhere.LoadError().ok());
  nowhere.WriteString("S", "K", "v");
  const Outcome flushed = nowhere.Flush();
  EXPECT_FALSE(flushed.ok());
  ASSERT_TRUE(flushed.file);
  EXPECT_NE(flushed.file->path.find("missing"), std::string::npos) << flushed.file->path;
}

}  // namespace
}  // namespace trelio
