// A file called "   " on a real folder, through every command of morvane-batch.
#include <filesystem>
#include <string>
#include <vector>

#include "batch_fixture.h"
#include "platform/listed_names.h"

namespace morvane::cli {
namespace {

using Names = std::vector<std::string>;

class BlankNamesTest : public BatchAppTest {};

TEST_F(BlankNamesTest, EveryCommandKeepsTheBlanksOfTheName) {
  struct Case {
    std::vector<std::string> arguments;
    Names afterIn;   // the folder "in" after the run
    Names afterOut;  // the folder "out" after the run
  };
  const Case cases[] = {
      {{"ext", "--in-place", "--new-ext", "jpg"}, {"   .jpg"}, {}},
      {{"case", "--name-case", "upper", "--ext-case", "upper"}, {"   "}, {}},  // nothing to convert
      {{"replace", "--in-place", "--find", " ", "--replace-with", "_"}, {"___"}, {}},
      {{"add", "--in-place", "--prefix", "p"}, {"p   "}, {}},
      {{"add", "--output", P("out"), "--suffix", "_s"}, {"   "}, {"   _s"}},
      {{"rename", "--in-place", "--front", "img_", "--start", "01"}, {"img_01"}, {}},
  };
  for (const Case& c : cases) {
    m_folder.WriteFile("in/   ", "blank");
    m_folder.CreateFiles({"out/"});
    std::vector<std::string> arguments = c.arguments;
    arguments.push_back(P("in"));
    EXPECT_EQ(Batch(arguments), 0) << c.arguments[0] << ": " << m_err.str();
    EXPECT_EQ(m_err.str().find("not "), std::string::npos) << m_err.str();  // no file left as it is
    EXPECT_EQ(platform::ListedNames(P("in")), c.afterIn) << c.arguments[0];
    EXPECT_EQ(platform::ListedNames(P("out")), c.afterOut) << c.arguments[0];
    for (const std::string& name : c.afterIn) EXPECT_EQ(m_folder.ReadFile("in/" + name), "blank") << name;
    for (const std::string& name : platform::ListedNames(P("in"))) std::filesystem::remove(P("in/" + name));
    for (const std::string& name : platform::ListedNames(P("out"))) std::filesystem::remove(P("out/" + name));
  }
}

}  // namespace
}  // namespace morvane::cli
