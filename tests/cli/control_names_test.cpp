// morvane-batch writes a name with control characters in it in the visible $'...' form
// on standard output and standard error, so that no name can make up a line of its own.
#include <algorithm>
#include <filesystem>
#include <tuple>

#include "batch_fixture.h"

namespace morvane::cli {
namespace {

// The lines of a stream's text; each line ends in LF and holds no other control byte.
std::vector<std::string> WholeLines(const std::string& text, const char* stream) {
  std::vector<std::string> lines;
  EXPECT_TRUE(text.empty() || text.ends_with('\n')) << stream;
  for (std::size_t start = 0; start < text.size();) {
    const std::size_t end = text.find('\n', start);
    lines.push_back(text.substr(start, end - start));
    for (const char c : lines.back()) {
      const auto byte = static_cast<unsigned char>(c);
      EXPECT_FALSE(byte < 0x20 || byte == 0x7F) << stream << " has a control byte in: " << lines.back();
    }
    start = end == std::string::npos ? text.size() : end + 1;
  }
  return lines;
}

class ControlNamesBatchTest : public BatchAppTest {
 protected:
  // The text with {in} and {out} replaced by the absolute folders.
  std::string Expand(std::string text) const {
    for (const std::string mark : {"{in}", "{out}"}) {
      for (std::size_t at = text.find(mark); at != std::string::npos; at = text.find(mark)) {
        text.replace(at, mark.size(), P(mark.substr(1, mark.size() - 2)));
      }
    }
    return text;
  }
};

TEST_F(ControlNamesBatchTest, OutputAndErrorNameEveryFileVisibly) {
  // Made to forge a result line and a line on standard error.
  const std::string forging = "y\r\n拡張子変換：FORGED\r\nnot renamed: \x1B[2Kowned\t.txt";
  const std::string written = "y\\r\\n拡張子変換：FORGED\\r\\nnot renamed: \\x1B[2Kowned\\t";
  struct Case {
    const char* name;
    std::vector<std::string> arguments;
    std::vector<std::string> files;  // created besides {in}/forging; a name ending in / is a folder
    std::vector<std::string> out;    // lines expected on standard output, in this order
    std::vector<std::string> err;    // lines expected on standard error, in this order
    std::string input = "";
    bool interactive = false;
    std::string home = "";  // a program folder below a file, so that no result file can be written
  };
  const Case cases[] = {
      {"result lines",
       {"ext", "--in-place", "--new-ext", "md", "{in}"},
       {},
       {"拡張子変換：$'{in}/" + written + ".txt'", "         -> $'" + written + ".md'"},
       {}},
      {"name taken",
       {"ext", "--in-place", "--new-ext", "md", "{in}/" + forging},
       {"in/" + forging.substr(0, forging.size() - 4) + ".md"},
       {"リネーム失敗ファイル：$'{in}/" + written + ".txt'", "リネーム後のファイル名：$'" + written + ".md'"},
       {"not renamed: $'{in}/" + written + ".txt': its new name $'{in}/" + written +
        ".md' is taken (a rename never replaces another file)"}},
      {"question",
       {"add", "--output", "{out}", "--prefix", "p", "{in}/" + forging},
       {"out/p" + forging},
       {},
       {"A file with the new name already exists: $'{out}/p" + written + ".txt'",
        "  source: $'{in}/" + written + ".txt'",
        "not copied: $'{in}/" + written + ".txt': its new name $'{out}/p" + written +
            ".txt' is taken (skipped as answered)"},
       "s\n",
       true},
      {"dry run",
       {"add", "--in-place", "--suffix", "_s", "--dry-run", "{in}/" + forging},
       {},
       {"文字列追加：$'{in}/" + written + ".txt'", "         -> $'" + written + "_s.txt'"},
       {}},
      {"copy failed",
       {"add", "--output", "{out}", "--prefix", "p", "{in}/" + forging},
       {"out/p" + forging + "/"},
       {},
       {"not copied: $'{in}/" + written + ".txt': copying to $'{out}/p" + written + ".txt' failed"}},
      {"program folder not made: the undo journal cannot be written",
       {"add", "--in-place", "--prefix", "p", "{in}/" + forging},
       {"in/f"},
       {},
       {"($'{in}/f/home\\n/Undo': Not a directory); no file was touched."},
       "",
       false,
       "in/f/home\n"},
      {"folder in the user order",
       {"rename", "--in-place", "--order", "user", "{in}/dir\n"},
       {"in/dir\n/"},
       {},
       {"  $'{in}/dir\\n'"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_folder.CreateFiles({"in/", "out/"});
    m_folder.WriteFile("in/" + forging, "x");
    for (const std::string& file : c.files) {
      if (file.ends_with('/')) {
        std::filesystem::create_directory(P(file));
      } else {
        m_folder.WriteFile(file, "other");
      }
    }
    std::vector<std::string> arguments;
    for (const std::string& argument : c.arguments) arguments.push_back(Expand(argument));
    if (!c.home.empty()) setenv("MORVANE_HOME", P(c.home).c_str(), 1);
    Batch(arguments, c.input, c.interactive);
    setenv("MORVANE_HOME", m_folder.Root().c_str(), 1);

    for (const auto& [stream, text, expected] : {std::tuple{"standard output", m_out.str(), c.out},
                                                 std::tuple{"standard error", m_err.str(), c.err}}) {
      const std::vector<std::string> lines = WholeLines(text, stream);
      auto at = lines.begin();
      for (const std::string& line : expected) {
        // A line may follow a question on the terminal's line, after the typed answer.
        at = std::find_if(at, lines.end(),
                          [&](const std::string& got) { return got.ends_with(Expand(line)); });
        EXPECT_NE(at, lines.end()) << stream << " lacks " << Expand(line) << " in:\n" << text;
      }
    }
    std::filesystem::remove_all(P("in"));
    std::filesystem::remove_all(P("out"));
  }
}

}  // namespace
}  // namespace morvane::cli
