#include <filesystem>

#include "batch_fixture.h"

namespace morvane::cli {
namespace {

class ModeCommandsTest : public BatchAppTest {};

// A refused start exits 2 before anything is touched: no rename, no result file.
TEST_F(ModeCommandsTest, RefusedStartsTouchNothing) {
  struct Case {
    std::vector<std::string> arguments;
    const char* message;
  };
  const Case cases[] = {
      {{"ext", "--in-place"}, "--new-ext"},
      {{"ext", "--in-place", "--new-ext", ""}, "拡張子なし にしますか？"},
      {{"ext", "--in-place", "--new-ext", "toolong"}, "--new-ext"},
      {{"ext", "--output", "out", "--new-ext", "md"}, "フルパスで指定してください。"},
      {{"case"}, "共通部分の大小と拡張子の大小がどちらも無変換です。"},
      {{"case", "--name-case", "upper", "--output", "/tmp"}, "always renames in place"},
      {{"replace", "--in-place", "--find", ""}, "文字列 A が指定されていません。"},
      {{"replace", "--in-place", "--find", "a"}, "文字列 A を削除します。"},
      {{"replace", "--in-place", "--find", "a", "--replace-with", "b/c"}, "--replace-with"},
      {{"replace", "--in-place", "--find", "a", "--replace-with", "b", "--new-ext", " "}, "拡張子なし"},
      {{"add", "--in-place"}, "追加文字列が指定されていません。"},
      {{"add", "--in-place", "--prefix", "a:b"}, "--prefix"},
  };
  m_folder.CreateFiles({"in/a.txt"});
  for (const Case& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.push_back(P("in/a.txt"));
    EXPECT_EQ(Batch(arguments), 2) << c.arguments[0] << " " << c.message;
    EXPECT_NE(m_err.str().find(c.message), std::string::npos) << c.message << ": " << m_err.str();
    EXPECT_TRUE(m_folder.Exists("in/a.txt"));
    EXPECT_FALSE(m_folder.Exists("Result.dat"));
  }
}

TEST_F(ModeCommandsTest, EachSubcommandRenamesAndEchoesItsLines) {
  struct Case {
    std::vector<std::string> arguments;
    const char* before;
    const char* after;
    const char* echoed;
  };
  const Case cases[] = {
      {{"ext", "--in-place", "--new-ext", "md", "--ext-case", "upper"}, "a.txt", "a.MD", "拡張子変換："},
      {{"case", "--name-case", "upper"}, "photo.jpg", "PHOTO.jpg", "大文字・小文字変換："},
      {{"replace", "--in-place", "--find", "ABC", "--replace-with", "-", "--ignore-case"},
       "xabcy.txt",
       "x-y.txt",
       "特定文字列変換："},
      {{"replace", "--in-place", "--find", "_", "--yes", "--new-ext", "log"}, "a_b.txt", "ab.log", nullptr},
      {{"add", "--in-place", "--prefix", "2024_", "--suffix", "_old"},
       "r.txt",
       "2024_r_old.txt",
       "文字列追加："},
  };
  for (const Case& c : cases) {
    m_folder.CreateFiles({std::string("in/") + c.before});
    std::vector<std::string> arguments = c.arguments;
    arguments.push_back(P("in"));
    EXPECT_EQ(Batch(arguments), 0) << c.before << m_err.str();
    EXPECT_TRUE(m_folder.Exists(std::string("in/") + c.after)) << c.after;
    if (c.echoed != nullptr) {
      EXPECT_NE(m_out.str().find(std::string(c.echoed) + P("in/") + c.before + "\n"), std::string::npos)
          << m_out.str();
    }
    std::filesystem::remove(P("in/") + c.after);
  }
}

TEST_F(ModeCommandsTest, CopiesGoToTheOutputFolderAndConflictsFollowThePolicy) {
  m_folder.CreateFiles({"in/a.txt", "in/b.txt", "out/a.md"});
  m_folder.WriteFile("in/a.txt", "new");
  m_folder.WriteFile("out/a.md", "old");
  EXPECT_EQ(Batch({"ext", "--output", P("out"), "--new-ext", "md", P("in")}), 1);
  EXPECT_EQ(m_folder.ReadFile("out/a.md"), "old");  // no terminal: skipped
  EXPECT_TRUE(m_folder.Exists("out/b.md"));
  EXPECT_TRUE(m_folder.Exists("in/a.txt"));

  EXPECT_EQ(
      Batch({"ext", "--output", P("out"), "--new-ext", "md", "--on-conflict", "overwrite", P("in/a.txt")}),
      0);
  EXPECT_EQ(m_folder.ReadFile("out/a.md"), "new");

  EXPECT_EQ(Batch({"add", "--output", P("out"), "--suffix", ".md", "--new-ext", "", "--yes", "--on-conflict",
                   "abort", P("in/a.txt")}),
            3);
  EXPECT_NE(m_out.str().find("以降の文字列追加処理はすべてキャンセルされました。"), std::string::npos);
}

}  // namespace
}  // namespace morvane::cli
