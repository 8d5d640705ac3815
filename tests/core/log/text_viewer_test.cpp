#include "core/log/text_viewer.h"

#include <gtest/gtest.h>

namespace morvane::core {
namespace {

TEST(SplitCommandWords, FollowsShellQuoting) {
  struct Case {
    const char* text;
    std::vector<std::string> words;
  };
  const Case cases[] = {
      {"", {}},
      {"   ", {}},
      {"gedit", {"gedit"}},
      {"  mousepad  --readonly ", {"mousepad", "--readonly"}},
      {"'/opt/my editor/bin' -x", {"/opt/my editor/bin", "-x"}},
      {"\"a \\\"b\\\" \\n\"", {"a \"b\" \\n"}},
      {"a\\ b c", {"a b", "c"}},
      {"x''y \"\"", {"xy", ""}},
      {"'open", {"open"}},
  };
  for (const Case& c : cases) EXPECT_EQ(SplitCommandWords(c.text), c.words) << c.text;
}

class RecordingLauncher : public TextViewerLauncher {
 public:
  void StartProgram(const std::vector<std::string>& words) override { started = words; }
  void ShowBuiltInViewer(std::string_view path) override { builtIn = path; }
  std::vector<std::string> started;
  std::string builtIn;
};

TEST(OpenInTextViewer, PassesThePathAsOneArgument) {
  RecordingLauncher launcher;
  OpenInTextViewer(" kate -b ", "/home/a b/Result.dat", launcher);
  EXPECT_EQ(launcher.started, (std::vector<std::string>{"kate", "-b", "/home/a b/Result.dat"}));
  EXPECT_TRUE(launcher.builtIn.empty());
}

TEST(OpenInTextViewer, BlankViewerMeansTheBuiltInOne) {
  RecordingLauncher launcher;
  OpenInTextViewer("   ", "/x/Rename.log", launcher);
  EXPECT_EQ(launcher.builtIn, "/x/Rename.log");
  EXPECT_TRUE(launcher.started.empty());
}

}  // namespace
}  // namespace morvane::core
