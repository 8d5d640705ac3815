// morvane-batch replace --regex over the pattern table: the plan, one real run and its
// undo; broken patterns refused before anything is touched.
#include <filesystem>
#include <set>

#include "cli/batch_fixture.h"
#include "core/modes/renaming/pattern_case.h"

namespace morvane::cli {
namespace {

namespace fs = std::filesystem;
using namespace core::pattern_table;

class RegexReplaceTest : public BatchAppTest {
 protected:
  int Replace(const PatternCase& c, const std::string& folder, bool plan) {
    std::vector<std::string> arguments{
        "replace", "--in-place",           "--regex",        "--yes",
        "--find",  std::string(c.pattern), "--replace-with", std::string(c.replacement)};
    if (!c.caseSensitive) arguments.emplace_back("--ignore-case");
    if (plan) arguments.emplace_back("--plan");
    arguments.push_back(P(folder));
    return Batch(arguments);
  }
};

// Each name of the table as "<name>.txt", alone in its folder: the extension stays.
TEST_F(RegexReplaceTest, PlanRunAndUndoFollowTheTable) {
  int tried = 0;
  for (const PatternCase& c : kCases) {
    // An empty A is refused as ever, and so is a B holding a slash.
    if (c.pattern.empty() || c.replacement.find('/') != std::string_view::npos) continue;
    SCOPED_TRACE(c.label);
    const std::string folder = "r" + std::to_string(++tried);
    const std::string name = std::string(c.name) + ".txt";
    m_folder.WriteFile(folder + "/" + name, c.label);

    const int planned = Replace(c, folder, true);
    std::string outcome = "text-not-found";
    std::string newPath;
    if (c.outcome == O::Replaced) {
      outcome = "renamed";
      newPath = P(folder + "/" + std::string(c.expected) + ".txt");
    } else if (c.outcome == O::MatchLimit) {
      outcome = "match-limit";
    } else if (c.outcome != O::NoMatch) {
      outcome = "unconvertible";
    }
    EXPECT_EQ(m_out.str(), outcome + '\0' + P(folder + "/" + name) + '\0' + newPath + '\0');
    const bool failure = outcome == "match-limit" || outcome == "unconvertible";
    EXPECT_EQ(planned, failure ? kExitFailures : kExitSuccess) << m_err.str();

    Replace(c, folder, false);
    const std::string after = c.outcome == O::Replaced ? std::string(c.expected) + ".txt" : name;
    EXPECT_EQ(EntryNames(folder), std::set<std::string>{after}) << m_err.str();
    if (c.outcome != O::Replaced) continue;
    ASSERT_EQ(Batch({"undo", "--yes"}), kExitSuccess) << m_err.str();
    EXPECT_EQ(EntryNames(folder), std::set<std::string>{name});
  }
  EXPECT_GE(tried, 30);
}

TEST_F(RegexReplaceTest, ABrokenPatternIsRefusedWithItsPlaceAndTouchesNothing) {
  m_folder.WriteFile("d/a.txt", "a");
  EXPECT_EQ(Batch({"replace", "--in-place", "--regex", "--find", "(a|b", "--replace-with", "x", P("d")}),
            kExitRefused);
  EXPECT_NE(m_err.str().find("正規表現に誤りがあります（5 文字目）"), std::string::npos) << m_err.str();
  EXPECT_NE(m_err.str().find("(a|b"), std::string::npos);
  EXPECT_EQ(Batch({"replace", "--in-place", "--regex", "--find", "(a)", "--replace-with", "$2", P("d")}),
            kExitRefused);
  EXPECT_NE(m_err.str().find("文字列 B に誤りがあります（1 文字目）：no group 2 in the pattern"),
            std::string::npos)
      << m_err.str();
  EXPECT_EQ(EntryNames("d"), std::set<std::string>{"a.txt"});
  EXPECT_FALSE(fs::exists(P("Result.dat")));
}

}  // namespace
}  // namespace morvane::cli
