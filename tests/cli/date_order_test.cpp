// Numbering by modification date from the command line, over real files whose names and
// creation order both sort the other way round.
#include <chrono>

#include "batch_fixture.h"

namespace morvane::cli {
namespace {

using std::chrono::days;
using std::chrono::sys_days;
using std::chrono::year;

TEST_F(BatchAppTest, DateOrderNumbersByModificationTime) {
  struct Case {
    const char* folder;
    bool descending;
    std::vector<std::string> numbered;  // the original names of 1.txt, 2.txt, 3.txt
  };
  const Case cases[] = {
      {"ascending", false, {"c.txt", "b.txt", "a.txt"}},
      {"descending", true, {"a.txt", "b.txt", "c.txt"}},
  };
  const sys_days day = sys_days{year{2024} / 3 / 10};
  for (const Case& c : cases) {
    const std::string folder = c.folder;
    // Newest first by name; the oldest is years older.
    m_folder.WriteFileModifiedAt(folder + "/a.txt", day + days{2}, "a.txt");
    m_folder.WriteFileModifiedAt(folder + "/b.txt", day + std::chrono::hours{1}, "b.txt");
    m_folder.WriteFileModifiedAt(folder + "/c.txt", sys_days{year{2019} / 12 / 31}, "c.txt");
    std::vector<std::string> arguments = {"rename", "--in-place", "--order", "date", P(folder)};
    if (c.descending) arguments.insert(arguments.begin() + 2, "--descending");
    ASSERT_EQ(Batch(arguments), 0) << c.folder << ": " << m_err.str();
    for (std::size_t i = 0; i < c.numbered.size(); ++i) {
      EXPECT_EQ(m_folder.ReadFile(folder + "/" + std::to_string(i + 1) + ".txt"), c.numbered[i])
          << c.folder << ", number " << i + 1;
    }
  }
}

}  // namespace
}  // namespace morvane::cli
