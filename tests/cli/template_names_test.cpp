// Name parts that take pieces of each file's own name and times: the numbering's front
// and back parts and the addition's texts, planned and run; unknown tokens and bad
// formats refused before anything is touched.
#include "cli/batch_fixture.h"
#include "support/media_samples.h"

namespace morvane::cli {
namespace {

TEST_F(BatchAppTest, NameTokensMakeEachFilesOwnName) {
  m_folder.WriteFile("trip/a.txt", "a");
  m_folder.WriteFile("trip/b.txt", "b");
  SetModified("trip/a.txt", 2020, 3, 29);
  SetModified("trip/b.txt", 2021, 1, 2);
  const std::vector<std::string> rename{"rename", "--in-place", "--yes", "--front", "<parent>_<date:%Y%m%d>_",
                                        "--back", "_<name>"};
  std::vector<std::string> plan = rename;
  plan.insert(plan.end(), {"--plan", P("trip")});
  ASSERT_EQ(Batch(plan), kExitSuccess) << m_err.str();
  EXPECT_EQ(m_out.str(), "renamed" + std::string(1, '\0') + P("trip/a.txt") + '\0' +
                             P("trip/trip_20200329_1_a.txt") + '\0' + "renamed" + '\0' + P("trip/b.txt") +
                             '\0' + P("trip/trip_20210102_2_b.txt") + '\0');
  std::vector<std::string> run = rename;
  run.push_back(P("trip"));
  ASSERT_EQ(Batch(run), kExitSuccess) << m_err.str();
  EXPECT_EQ(EntryNames("trip"), (std::set<std::string>{"trip_20200329_1_a.txt", "trip_20210102_2_b.txt"}));

  // The date taken, and the modification time standing in for a photo that records none.
  m_folder.WriteFile("photos/dated.jpg", std::string(test::kDatedJpeg));
  m_folder.WriteFile("photos/bare.jpg", std::string(test::kBareJpeg));
  SetModified("photos/bare.jpg", 2000);
  ASSERT_EQ(Batch({"add", "--in-place", "--yes", "--prefix", "<taken:%Y-%m-%d>_", "--suffix", "(<ext>)",
                   P("photos")}),
            kExitSuccess)
      << m_err.str();
  EXPECT_EQ(EntryNames("photos"),
            (std::set<std::string>{"2019-03-02_dated(jpg).jpg", "2000-01-01_bare(jpg).jpg"}));
  EXPECT_NE(m_err.str().find("1 file records no date taken"), std::string::npos) << m_err.str();
}

TEST_F(BatchAppTest, NameTokensItCannotMakeAreRefusedByName) {
  m_folder.WriteFile("d/a.txt", "a");
  const struct {
    std::vector<std::string> arguments;
    const char* told;
  } cases[] = {
      {{"rename", "--front", "<foo>"}, "差し込み項目 <foo> はありません。"},
      {{"add", "--suffix", "a:b"}, "--suffix: \"a:b\" is not accepted: it may not hold any of"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.insert(arguments.end(), {"--in-place", "--yes", P("d")});
    EXPECT_EQ(Batch(arguments), kExitRefused) << c.told;
    EXPECT_NE(m_err.str().find(c.told), std::string::npos) << m_err.str();
  }
  EXPECT_EQ(EntryNames("d"), std::set<std::string>{"a.txt"});
}

}  // namespace
}  // namespace morvane::cli
