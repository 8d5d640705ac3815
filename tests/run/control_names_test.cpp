// A file name with control characters in it (CR, LF, TAB, ESC are legal on Linux) is
// renamed with its real bytes, but written into Result.dat, Rename.log and the caption in
// the visible $'...' form: it cannot end a line or make up an entry of its own.
#include <algorithm>
#include <filesystem>
#include <functional>

#include "run_fixture.h"

namespace morvane::test {
namespace {

using core::OperatingMode;

// A name made to forge a success entry of the mode whose label and arrow it holds.
std::string ForgingName(const std::string& label, const std::string& arrow, const std::string& extension) {
  return "y\r\n" + label + "FORGED\r\n" + arrow + "owned\t\x1B[31m" + extension;
}
std::string EscapedForgingName(const std::string& label, const std::string& arrow,
                               const std::string& extension) {
  return "y\\r\\n" + label + "FORGED\\r\\n" + arrow + "owned\\t\\x1B[31m" + extension;
}

// Every line ends in CR LF and holds no control character of its own.
void ExpectOnlyWholeLines(const std::string& text, const char* file) {
  ASSERT_TRUE(text.ends_with("\r\n")) << file;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find("\r\n", start);
    const std::string line = text.substr(start, end - start);
    for (const char c : line) {
      const auto byte = static_cast<unsigned char>(c);
      EXPECT_FALSE(byte < 0x20 || byte == 0x7F) << file << " has a control byte in: " << line;
    }
    start = end + 2;
  }
}

std::size_t CountLinesStartingWith(const std::vector<std::string>& lines, const std::string& start) {
  return std::count_if(lines.begin(), lines.end(),
                       [&](const std::string& line) { return line.starts_with(start); });
}

using ControlNamesTest = RunFixture;

TEST_F(ControlNamesTest, EveryModeRenamesTheRealNameAndWritesTheVisibleOne) {
  struct Case {
    const char* name;
    OperatingMode mode;
    std::function<void(core::ModeRunInputs&)> configure;
    bool inPlace;
    std::string label;  // before the path on the success entry's first line
    std::string arrow;  // before the new name or path on its second line
    // The forging file's new base name from its old one (also applied to the escaped
    // form), its new extension as it is and as written, and the plain file's new name.
    std::function<std::string(std::string base)> newBase;
    std::string newExtension;
    std::string writtenNewExtension;
    std::string plainNewName;
  };
  const auto keep = [](core::ModeRunInputs&) {};
  const auto same = [](std::string base) { return base; };
  const Case cases[] = {
      {"numbering in place", OperatingMode::SequentialRename, keep, true, "リネーム：", "       -> ",
       [](std::string) { return std::string("2"); }, ".t\nxt", ".t\\nxt", "1.txt"},
      {"numbering into a folder", OperatingMode::SequentialRename, keep, false, "リネーム：", "       -> ",
       [](std::string) { return std::string("2"); }, ".t\nxt", ".t\\nxt", "1.txt"},
      {"extension change", OperatingMode::ExtensionChange,
       [](core::ModeRunInputs& inputs) { inputs.names.newExtensionText = "md"; }, true, "拡張子変換：",
       "         -> ", same, ".md", ".md", "plain owned.md"},
      {"case conversion", OperatingMode::CaseConversion,
       [](core::ModeRunInputs& inputs) { inputs.names.extensionCase = 1; }, true, "大文字・小文字変換：",
       "                 -> ", same, ".T\nXT", ".T\\nXT", "plain owned.TXT"},
      {"replacement", OperatingMode::StringReplacement,
       [](core::ModeRunInputs& inputs) {
         inputs.names.stringA = "owned";
         inputs.names.stringB = "pwned";
       },
       true, "特定文字列変換：", "             -> ",
       [](std::string base) { return base.replace(base.find("owned"), 5, "pwned"); }, ".t\nxt", ".t\\nxt",
       "plain pwned.txt"},
      {"addition into a folder", OperatingMode::StringAddition,
       [](core::ModeRunInputs& inputs) {
         inputs.names.stringA = "a_";
         inputs.names.stringB = "_z";
       },
       false, "文字列追加：", "         -> ", [](std::string base) { return "a_" + base + "_z"; }, ".t\nxt",
       ".t\\nxt", "a_plain owned_z.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_folder.CreateFiles({"in/", "out/"});
    // The extension holds a line feed too, so that the numbered name keeps one.
    const std::string forging = ForgingName(c.label, c.arrow, ".t\nxt");
    m_folder.WriteFile("in/" + forging, "x");
    m_folder.WriteFile("in/plain owned.txt", "p");

    RunInMode(c.mode, c.configure, c.inPlace);

    const std::string newName = c.newBase(ForgingName(c.label, c.arrow, "")) + c.newExtension;
    const std::string target = (c.inPlace ? "in/" : "out/") + newName;
    EXPECT_EQ(m_folder.ReadFile(target), "x") << "the file keeps its real bytes";
    EXPECT_EQ(m_folder.Exists("in/" + forging), !c.inPlace);

    const std::string escapedNew =
        c.newBase(EscapedForgingName(c.label, c.arrow, "")) + c.writtenNewExtension;
    // Renaming in place names the new file alone, copying its whole path.
    const std::string newFolder = c.inPlace ? "" : m_folder.Path("out") + "/";
    const std::vector<std::string> lines = ResultLines();
    EXPECT_EQ(CountLinesStartingWith(lines, c.label), 2u) << "one entry per file";
    EXPECT_EQ(CountLinesStartingWith(lines, c.arrow), 2u) << "one entry per file";
    EXPECT_TRUE(ResultHasLine(c.label + "$'" + m_folder.Path("in/") +
                              EscapedForgingName(c.label, c.arrow, ".t\\nxt") + "'"));
    EXPECT_TRUE(ResultHasLine(c.arrow + "$'" + newFolder + escapedNew + "'"));
    EXPECT_TRUE(ResultHasLine(c.label + m_folder.Path("in/plain owned.txt")));
    EXPECT_TRUE(ResultHasLine(c.arrow + newFolder + c.plainNewName));

    const std::string result = m_folder.ReadFile("Result.dat");
    ExpectOnlyWholeLines(result, "Result.dat");
    ExpectOnlyWholeLines(m_folder.ReadFile("Rename.log"), "Rename.log");
    EXPECT_NE(m_folder.ReadFile("Rename.log").find(result), std::string::npos);
    for (const char ch : m_interaction.caption) EXPECT_GE(static_cast<unsigned char>(ch), 0x20) << "caption";

    std::filesystem::remove_all(m_folder.Path("in"));
    std::filesystem::remove_all(m_folder.Path("out"));
    std::filesystem::remove(m_folder.Path("Rename.log"));
  }
}

// The lines about files left as they are name them the same way.
TEST_F(ControlNamesTest, FilesLeftAreNamedVisiblyToo) {
  const std::string name = "a\r\nb\t.txt";
  const std::string written = "$'" + m_folder.Path("in/") + "a\\r\\nb\\t.txt'";
  struct Case {
    const char* name;
    std::function<void()> run;
    std::vector<std::string> lines;  // among the result lines, in this order
  };
  const Case cases[] = {
      {"missing target, numbering",
       [&] { Run(InPlace(), {"in/gone\n"}); },
       {"リネーム対象ファイル：$'" + m_folder.Path("in/") + "gone\\n'"}},
      {"missing target, other mode",
       [&] {
         RunInMode(OperatingMode::StringAddition, [](core::ModeRunInputs& in) { in.names.stringA = "p"; },
                   true, {"in/gone\n"});
       },
       {"リネーム対象ファイル：$'" + m_folder.Path("in/") + "gone\\n'"}},
      // The file is removed just before its turn.
      {"gone by its turn, extension change",
       [&] {
         m_interaction.beforeTarget = [&](std::size_t) {
           std::filesystem::remove(m_folder.Path("in/" + name));
         };
         RunInMode(
             OperatingMode::ExtensionChange,
             [](core::ModeRunInputs& in) { in.names.newExtensionText = "md"; }, true);
       },
       {"以下のファイルは、存在しなかったので変換されませんでした。", written}},
      {"gone by its turn, other mode",
       [&] {
         m_interaction.beforeTarget = [&](std::size_t) {
           std::filesystem::remove(m_folder.Path("in/" + name));
         };
         RunInMode(
             OperatingMode::CaseConversion, [](core::ModeRunInputs& in) { in.names.nameCase = 1; }, true);
       },
       {"リネーム対象ファイル：" + written}},
      // A folder in the way of the copy makes it fail.
      {"copy failed, numbering",
       [&] {
         m_folder.CreateFiles({"out/1.t\tx/"});
         m_folder.WriteFile("in/c\n.t\tx", "");
         Run(CopyTo("out"), {"in/c\n.t\tx"});
       },
       {"リネーム失敗ファイル：$'" + m_folder.Path("in/") + "c\\n.t\\tx'",
        "リネーム後のファイル名：$'" + m_folder.Path("out/") + "1.t\\tx'"}},
      {"copy failed, other mode",
       [&] {
         m_folder.CreateFiles({"out/pa\r\nb\t.txt/"});
         RunInMode(
             OperatingMode::StringAddition, [](core::ModeRunInputs& in) { in.names.stringA = "p"; }, false);
       },
       {"リネーム失敗ファイル：" + written,
        "リネーム後のファイル名：$'" + m_folder.Path("out/") + "pa\\r\\nb\\t.txt'"}},
      {"protected type",
       [&] {
         m_folder.WriteFile("in/x\n.exe", "");
         Run(InPlace(), {"in/x\n.exe"});
       },
       {"以下のファイルは、保護するファイルの拡張子なので変換されませんでした。",
        "$'" + m_folder.Path("in/") + "x\\n.exe'"}},
      {"name taken in place",
       [&] {
         m_folder.WriteFile("in/a\r\nb\t.md", "");
         RunInMode(
             OperatingMode::ExtensionChange,
             [](core::ModeRunInputs& in) { in.names.newExtensionText = "md"; }, true);
       },
       {"同フォルダに同名のファイルが存在するので、リネームしませんでした。",
        "リネーム失敗ファイル：" + written, "リネーム後のファイル名：$'a\\r\\nb\\t.md'"}},
      {"no string A",
       [&] {
         RunInMode(
             OperatingMode::StringReplacement, [](core::ModeRunInputs& in) { in.names.stringA = "zz"; },
             true);
       },
       {"変換されませんでした。", written}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_folder.CreateFiles({"in/"});
    m_folder.WriteFile("in/" + name, "x");
    c.run();
    const std::vector<std::string> lines = ResultLines();
    auto at = lines.begin();
    for (const std::string& expected : c.lines) {
      at = std::find(at, lines.end(), expected);
      EXPECT_NE(at, lines.end()) << expected;
    }
    ExpectOnlyWholeLines(m_folder.ReadFile("Result.dat"), "Result.dat");
    if (!m_interaction.beforeTarget) {
      EXPECT_EQ(m_folder.ReadFile("in/" + name), "x");
    }
    m_interaction.beforeTarget = nullptr;
    std::filesystem::remove_all(m_folder.Path("in"));
    std::filesystem::remove_all(m_folder.Path("out"));
  }
}

}  // namespace
}  // namespace morvane::test
