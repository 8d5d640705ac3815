// Runs over a folder deeper than PATH_MAX rename and copy its files like any other; a
// target that no file system can hold is reported as too long, not as missing.
#include <limits.h>

#include <filesystem>
#include <functional>

#include "run_fixture.h"
#include "support/deep_folder.h"

namespace morvane::test {
namespace {

using core::OperatingMode;

class DeepFolderRunTest : public RunFixture {
 protected:
  DeepFolder m_deep{m_folder.Root(), 5000};
};

TEST_F(DeepFolderRunTest, EveryModeRenamesAndCopiesThere) {
  struct Case {
    const char* name;
    OperatingMode mode;
    std::function<void(core::ModeRunInputs&)> configure;
    bool inPlace;
    std::string newName;  // in the deep folder, or in "out" when copying
  };
  const auto keep = [](core::ModeRunInputs&) {};
  const Case cases[] = {
      {"numbering in place", OperatingMode::SequentialRename, keep, true, "1.txt"},
      {"numbering into a folder", OperatingMode::SequentialRename, keep, false, "1.txt"},
      {"extension change", OperatingMode::ExtensionChange,
       [](core::ModeRunInputs& inputs) { inputs.names.newExtensionText = "md"; }, true, "a.md"},
      {"case conversion", OperatingMode::CaseConversion,
       [](core::ModeRunInputs& inputs) { inputs.names.extensionCase = 1; }, true, "a.TXT"},
      {"replacement", OperatingMode::StringReplacement,
       [](core::ModeRunInputs& inputs) {
         inputs.names.stringA = "a";
         inputs.names.stringB = "z";
       },
       true, "z.txt"},
      {"addition into a folder", OperatingMode::StringAddition,
       [](core::ModeRunInputs& inputs) { inputs.names.stringA = "p_"; }, false, "p_a.txt"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    m_folder.CreateFiles({"out/"});
    m_deep.WriteFile("a.txt", "content");
    m_interaction.leftReasons.clear();

    RunInMode(c.mode, c.configure, c.inPlace, {m_deep.Relative()});

    EXPECT_TRUE(m_interaction.leftReasons.empty());
    if (c.inPlace) {
      EXPECT_EQ(m_deep.SortedNames(), std::vector<std::string>{c.newName});
      EXPECT_EQ(m_deep.ReadFile(c.newName), "content");
    } else {
      EXPECT_EQ(m_deep.SortedNames(), std::vector<std::string>{"a.txt"});
      EXPECT_EQ(m_folder.ReadFile("out/" + c.newName), "content");
    }
    EXPECT_EQ(m_folder.ReadFile("Result.dat").find("リネーム対象ファイルが存在しませんでした"),
              std::string::npos);
    m_deep.Clear();
    std::filesystem::remove_all(m_folder.Path("out"));
  }
}

TEST_F(DeepFolderRunTest, ATargetWithANameTooLongIsReportedAsSuch) {
  const std::string target = m_deep.Relative() + "/" + std::string(NAME_MAX + 1, 'n') + ".txt";
  const std::string written = "リネーム対象ファイル：" + m_folder.Path(target);
  const std::function<void()> runs[] = {
      [&] { Run(InPlace(), {target}); },
      [&] {
        RunInMode(OperatingMode::StringAddition, [](core::ModeRunInputs& in) { in.names.stringA = "p"; },
                  true, {target});
      },
  };
  for (const auto& run : runs) {
    m_interaction.leftReasons.clear();
    run();
    EXPECT_TRUE(ResultHasLine("リネーム対象ファイルのパスが長すぎるため、扱えませんでした。"));
    EXPECT_TRUE(ResultHasLine(written));
    EXPECT_EQ(m_interaction.leftReasons, std::vector<core::LeftReason>{core::LeftReason::PathTooLong});
  }
}

}  // namespace
}  // namespace morvane::test
