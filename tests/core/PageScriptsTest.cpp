#include "app/core/page/PageScripts.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>
#include <vector>

#include <unistd.h>

#include "app/core/page/EmbeddedPageScripts.h"
#include "app/platform/CodePage.h"

namespace trelio {
namespace {

bool Contains(std::string_view text, std::string_view what) {
  return text.find(what) != std::string_view::npos;
}

bool IsAscii(std::string_view text) {
  for (char c : text)
    if (static_cast<unsigned char>(c) >= 0x80) return false;
  return true;
}

TEST(PageScriptsTest, TemplatesAreBuiltInWithTheirFixedNames) {
  const std::string_view insert = EmbeddedPageScript("insert-address.js");
  const std::string_view detect = DetectIntervalScript();
  for (std::string_view literal :
       {"function korvaneTrelioInsertAdr", "\"%STR%\"", "\"%ADDRESS%\"", "[%IGNORE_FIELD_NAMES%]",
        "\"input[type=text]\"", "\"KorvaneTrelio#N: \"", "1000"})
    EXPECT_TRUE(Contains(insert, literal)) << literal;
  EXPECT_TRUE(Contains(detect, "function korvaneTrelioDetectInterval"));
  EXPECT_TRUE(Contains(detect, "\"KorvaneTrelio#I: \""));
  EXPECT_TRUE(Contains(TitleQueryScript(), "\"KorvaneTrelio#T: \" + document.title"));
  EXPECT_EQ(TitleQueryScript().find('\n'), std::string_view::npos);
  EXPECT_TRUE(IsAscii(insert));
  EXPECT_TRUE(IsAscii(detect));
  EXPECT_TRUE(EmbeddedPageScript("missing.js").empty());
}

TEST(PageScriptsTest, IgnoreNamesBecomeArrayItems) {
  const struct {
    const char* names;
    const char* expected;
  } cases[] = {
      {"adcopy_response", "\"adcopy_response\""},
      {"a|b", "\"a\",\"b\""},
      {"a||b", "\"a\",,\"b\""},
      {"a|", "\"a\","},
      {"|a", "\"a\""},
      {"|", ""},
      {"", ""},
      {"a\"b", "\"a\\\"b\""},
      {"a\\\"];alert(1)//", "\"a\\\\\\\"];alert(1)//\""},
      {"a\nb</script>", "\"a\\u000Ab\\u003C/script\\u003E\""},
  };
  for (const auto& c : cases) EXPECT_EQ(IgnoreNamesList(c.names, 1252), c.expected) << c.names;
}

TEST(PageScriptsTest, InsertionScriptHoldsEachValueOnceAsEscapedText) {
  const std::string script = InsertAddressScript("%ADDRESS%\"", "a\\b%STR%", "%STR%|x", 1252);
  EXPECT_TRUE(Contains(script, "var str = \"%ADDRESS%\\\"\";"));
  EXPECT_TRUE(Contains(script, "var adr = \"a\\\\b%STR%\";"));
  EXPECT_TRUE(Contains(script, "var ignore = [\"%STR%\",\"x\"];"));
  EXPECT_FALSE(Contains(script, "%IGNORE_FIELD_NAMES%"));
}

TEST(PageScriptsTest, InsertionScriptIsAsciiForAnyBytes) {
  std::string every;
  for (int b = 0; b < 256; ++b) every += char(b);
  for (int codePage : {1251, 1252}) {
    EXPECT_TRUE(IsAscii(InsertAddressScript(every, every, every, codePage))) << codePage;
  }
  const std::string huge(1 << 20, '"');
  EXPECT_EQ(InsertAddressScript(huge, "", "", 1252).size(),
            EmbeddedPageScript("insert-address.js").size() + 2 * huge.size() -
                std::string_view("%STR%%ADDRESS%%IGNORE_FIELD_NAMES%").size());
}

// Runs scripts in node against a small stand-in for the page: text inputs
// with a name, a value and an inline style, a body text and a console.
class PageScriptsNodeTest : public ::testing::Test {
 protected:
  struct Input {
    std::string name;  // ANSI bytes
    std::string value;
    std::string style = "{display: \"\", opacity: \"\"}";
  };

  void SetUp() override {
    if (std::system("node --version >/dev/null 2>&1") != 0) GTEST_SKIP() << "node is not installed";
  }

  // One file per process and test, as tests may run side by side.
  static std::string TempPath() {
    return ::testing::TempDir() + "page_script_" + std::to_string(getpid()) + "_" +
           ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".js";
  }

  // A JavaScript expression for the text, made without the escaping under test.
  static std::string JsChars(std::string_view ansi, int codePage) {
    std::string out = "String.fromCharCode(";
    for (char16_t c : AnsiToUtf16(ansi, codePage)) out += std::to_string(int(c)) + ",";
    return out + ")";
  }

  static std::string Codes(std::u16string_view text) {
    std::string out;
    for (char16_t c : text) out += (out.empty() ? "" : ",") + std::to_string(int(c));
    return out;
  }

  static std::string Codes(std::string_view ansi, int codePage) {
    return Codes(AnsiToUtf16(ansi, codePage));
  }

  // The lines node prints: "V <codes>" per input value, "L <codes>" per console
  // line, "R <ms>" per retry timer; or one "ERROR" line when node fails.
  static std::vector<std::string> Run(const std::string& script, const std::vector<Input>& inputs,
                                      std::string_view bodyText = "", int codePage = 1252) {
    std::string page =
        "var logs = [], timers = [];\n"
        "var console = {log: function (s) { logs.push(String(s)); }};\n"
        "function setTimeout(f, ms) { timers.push(ms); }\n"
        "var inputs = [\n";
    for (const Input& i : inputs)
      page += "  {name: " + JsChars(i.name, codePage) + ", value: " + JsChars(i.value, codePage) +
              ", style: " + i.style + "},\n";
    page += "];\n";
    page += "var document = {title: \"t\", body: {innerText: " + JsChars(bodyText, codePage) +
            "}, querySelectorAll: function (s) { return s === \"input[type=text]\" ? inputs : "
            "[]; }};\n";
    const std::string report =
        "\nfunction codes(s) { var r = []; for (var i = 0; i < s.length; i++) "
        "r.push(s.charCodeAt(i)); return r.join(\",\"); }\n"
        "inputs.forEach(function (e) { process.stdout.write(\"V \" + codes(e.value) + \"\\n\"); "
        "});\n"
        "logs.forEach(function (l) { process.stdout.write(\"L \" + codes(l) + \"\\n\"); });\n"
        "timers.forEach(function (t) { process.stdout.write(\"R \" + t + \"\\n\"); });\n";
    const std::string path = TempPath();
    std::ofstream(path, std::ios::binary) << page << script << report;
    FILE* node = popen(("node " + path + " 2>&1").c_str(), "r");
    std::string output;
    for (int c; node && (c = fgetc(node)) != EOF;) output += char(c);
    const int status = node ? pclose(node) : -1;
    std::remove(path.c_str());
    if (status != 0) return {"ERROR " + output};
    std::vector<std::string> lines;
    for (size_t start = 0, end; (end = output.find('\n', start)) != std::string::npos;
         start = end + 1)
      lines.push_back(output.substr(start, end - start));
    return lines;
  }
};

TEST_F(PageScriptsNodeTest, TemplatesParse) {
  const std::string scripts[] = {InsertAddressScript("", "", "", 1252),
                                 std::string(DetectIntervalScript()),
                                 std::string(TitleQueryScript())};
  const std::string path = TempPath();
  for (const std::string& script : scripts) {
    std::ofstream(path, std::ios::binary) << script;
    EXPECT_EQ(std::system(("node --check " + path).c_str()), 0) << script;
  }
  std::remove(path.c_str());
}

TEST_F(PageScriptsNodeTest, HostileValuesArriveAsTheirLiteralText) {
  std::string hostile = "a\"b'c\\\" + alert(1) + \"\\\r\nd\xe2\x80\xa8\x85</script>%STR%";
  hostile += std::string("\0\x1a\x7f\xff", 4);
  const std::string ignored = "x\\\"];alert(1);//";
  for (int codePage : {1251, 1252}) {
    // The input field names the second input; the address goes there as it is.
    const std::string named = InsertAddressScript(hostile, hostile, ignored, codePage);
    EXPECT_EQ(Run(named, {{"other", ""}, {hostile, ""}}, "", codePage),
              (std::vector<std::string>{"V ", "V " + Codes(hostile, codePage)}))
        << codePage;
    // In automatic mode the ignored names are passed over.
    const std::string automatic =
        InsertAddressScript("", hostile, ignored + "|" + hostile, codePage);
    EXPECT_EQ(Run(automatic, {{ignored, ""}, {hostile, ""}, {"free", ""}}, "", codePage),
              (std::vector<std::string>{"V ", "V ", "V " + Codes(hostile, codePage),
                                        "L " + Codes(u"KorvaneTrelio#N: free")}))
        << codePage;
  }
}

TEST_F(PageScriptsNodeTest, InsertionFollowsTheFieldSetting) {
  const std::string adr = "ADR";
  const std::string v = "V " + Codes(u"ADR");
  const Input hidden{"h", "", "{display: \"none\", opacity: \"\"}"};
  const Input clear{"c", "", "{display: \"\", opacity: \"0\"}"};
  const Input filled{"f", " x ", "{display: \"\", opacity: \"\"}"};
  const std::string longName = "a_name_of_16_chr";
  const struct {
    const char* label;
    std::string inputField;
    std::vector<Input> inputs;
    std::vector<std::string> expected;
  } cases[] = {
      {"number", "2", {{"a", ""}, {"b", ""}, {"c", ""}}, {"V ", v, "V "}},
      {"number of a filled input", "1", {filled, {"b", ""}}, {"V 32,120,32", "V "}},
      {"decimal number", "2.9", {{"a", ""}, {"b", ""}}, {"V ", v}},
      {"name", "b", {{"b", ""}, {"a", ""}, {"b", ""}}, {v, "V ", v}},
      {"dash", "-", {{"a", ""}}, {"V "}},
      {"automatic",
       "?",
       {hidden, clear, filled, {"adcopy_response", ""}, {"addr", ""}, {"x", ""}},
       {"V ", "V ", "V 32,120,32", "V ", v, "V ", "L " + Codes(u"KorvaneTrelio#N: addr")}},
      {"automatic, long name",
       "",
       {filled, {longName, ""}, {"x", ""}},
       {"V 32,120,32", v, "V ", "L " + Codes(u"KorvaneTrelio#N: 2")}},
      {"automatic, no name first",
       "",
       {{"", ""}, {"b", ""}},
       {"V ", v, "L " + Codes(u"KorvaneTrelio#N: "), "L " + Codes(u"KorvaneTrelio#N: b")}},
      {"automatic, the address already in a field", "", {{"a", "ADR"}, {"b", ""}}, {v, "V "}},
      {"number, the address already in a field", "2", {{"a", "ADR"}, {"b", ""}}, {v, v}},
      {"no text input", "1", {}, {"R 1000"}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Run(InsertAddressScript(c.inputField, adr, "adcopy_response", 1252), c.inputs),
              c.expected)
        << c.label;
  }
}

// The document is announced before it is parsed; the title query waits for
// the title while the page is still loading, at most a minute.
TEST_F(PageScriptsNodeTest, TitleQueryWaitsForTheTitleWhileThePageLoads) {
  const auto run = [](const std::string& title, const std::string& readyState,
                      const std::string& later) {
    const std::string page =
        "var logs = [], waits = 0, pending = null;\n"
        "var console = {log: function (s) { logs.push(String(s)); }};\n"
        "function setTimeout(f, ms) { var a = [].slice.call(arguments, 2); waits++;\n"
        "  pending = function () { f.apply(null, a); }; }\n"
        "var document = {title: \"" +
        title + "\", readyState: \"" + readyState + "\"};\n";
    // After the first look the page gets its title (when later is set), then
    // every pending wait runs.
    const std::string drive = "\ndocument.title = \"" + later +
                              "\";\n"
                              "while (pending) { var p = pending; pending = null; p(); }\n"
                              "process.stdout.write(waits + \" \" + logs.join(\"|\"));\n";
    const std::string path = TempPath();
    std::ofstream(path, std::ios::binary) << page << TitleQueryScript() << drive;
    FILE* node = popen(("node " + path + " 2>&1").c_str(), "r");
    std::string output;
    for (int c; node && (c = fgetc(node)) != EOF;) output += char(c);
    if (node) pclose(node);
    std::remove(path.c_str());
    return output;
  };
  EXPECT_EQ(run("Faucet", "loading", "Faucet"), "0 KorvaneTrelio#T: Faucet");
  EXPECT_EQ(run("", "loading", "Faucet"), "1 KorvaneTrelio#T: Faucet");
  EXPECT_EQ(run("", "interactive", ""), "0 KorvaneTrelio#T: ");
  EXPECT_EQ(run("", "loading", ""), "240 KorvaneTrelio#T: ");
}

TEST_F(PageScriptsNodeTest, IntervalComesFromTheNumberBeforeTheFirstMinutes) {
  const struct {
    const char* body;
    std::vector<std::string> expected;
  } cases[] = {
      {"Claim every 60 Minutes!", {"L " + Codes(u"KorvaneTrelio#I: 60")}},
      {"1 hour and 30 minutes, then 5 minutes", {"L " + Codes(u"KorvaneTrelio#I: 30")}},
      {"wait 5 minute", {"L " + Codes(u"KorvaneTrelio#I: 1")}},
      {"minutes 12 minutes", {}},
      {"no interval here", {}},
  };
  for (const auto& c : cases)
    EXPECT_EQ(Run(std::string(DetectIntervalScript()), {}, c.body), c.expected) << c.body;
}

}  // namespace
}  // namespace trelio
