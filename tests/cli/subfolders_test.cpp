// --subfolders: a folder argument brings the files of every folder below it, hidden ones
// included, through the same types filter; without it only the folder's own files.
#include "cli/batch_fixture.h"

namespace morvane::cli {
namespace {

TEST_F(BatchAppTest, SubfoldersBringTheFilesOfEveryFolderBelow) {
  for (const char* name : {"d/a.txt", "d/sub/b.txt", "d/sub/.deep/c.txt", "d/sub/skipped.jpg"})
    m_folder.WriteFile(name, name);
  const auto planned = [&](bool subfolders) {
    std::vector<std::string> arguments{"rename", "--in-place", "--yes", "--types", "txt", "--plan", P("d")};
    if (subfolders) arguments.insert(arguments.begin() + 1, "--subfolders");
    EXPECT_EQ(Batch(arguments), kExitSuccess) << m_err.str();
    return m_out.str();
  };
  const auto record = [&](const std::string& from, const std::string& to) {
    return "renamed" + std::string(1, '\0') + P(from) + '\0' + P(to) + '\0';
  };
  EXPECT_EQ(planned(false), record("d/a.txt", "d/1.txt"));
  EXPECT_EQ(planned(true), record("d/a.txt", "d/1.txt") + record("d/sub/b.txt", "d/sub/2.txt") +
                               record("d/sub/.deep/c.txt", "d/sub/.deep/3.txt"));
}

}  // namespace
}  // namespace morvane::cli
