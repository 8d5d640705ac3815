// Presets on the command line: --save-preset keeps the options given, --preset gives
// them back with what is given beside it winning, `presets` lists them, and a preset
// that cannot be used refuses the command before anything is touched.
#include "cli/batch_fixture.h"

namespace morvane::cli {
namespace {

class PresetsTest : public BatchAppTest {
 protected:
  void SetUp() override {
    for (const char* name : {"d/a.txt", "d/b.jpg", "out/"}) {
      if (std::string_view(name).ends_with('/')) {
        std::filesystem::create_directories(P(name));
      } else {
        m_folder.WriteFile(name, name);
      }
    }
  }
  std::string Plan(std::vector<std::string> arguments) {
    arguments.push_back("--plan");
    arguments.push_back(P("d"));
    EXPECT_EQ(Batch(arguments), kExitSuccess) << m_err.str();
    return m_out.str();
  }
};

TEST_F(PresetsTest, APresetGivesItsOptionsAndWhatIsGivenBesideItWins) {
  ASSERT_EQ(Batch({"rename", "--front", "p q_", "--start", "01", "--order", "ext", "--descending",
                   "--new-ext", "", "--yes", "--in-place", "--save-preset", "shots"}),
            kExitSuccess)
      << m_err.str();
  EXPECT_NE(m_err.str().find("Saved preset \"shots\""), std::string::npos);
  EXPECT_EQ(
      m_folder.ReadFile("Presets/shots.ini"),
      "[Preset]\r\ncommand=rename\r\nfront=p q_\r\nstart=01\r\norder=ext\r\ndescending=true\r\nnew-ext=\r\n"
      "in-place=true\r\n");
  EXPECT_EQ(EntryNames("d"), (std::set<std::string>{"a.txt", "b.jpg"}));  // saving alone runs nothing

  const std::vector<std::string> given = {"rename", "--front",      "p q_",      "--start", "01",   "--order",
                                          "ext",    "--descending", "--new-ext", "",        "--yes"};
  const auto with = [&](std::vector<std::string> arguments, std::initializer_list<std::string> more) {
    arguments.insert(arguments.end(), more);
    return arguments;
  };
  EXPECT_EQ(Plan({"rename", "--preset", "shots", "--yes"}), Plan(with(given, {"--in-place"})));
  EXPECT_EQ(Plan({"rename", "--preset", "shots", "--yes", "--front=x", "--descending=false"}),
            Plan({"rename", "--front", "x", "--start", "01", "--order", "ext", "--new-ext", "", "--yes",
                  "--in-place"}));
  EXPECT_EQ(Plan({"rename", "--preset", "shots", "--yes", "--output", P("out")}),
            Plan(with(given, {"--output", P("out")})));

  // Saved from a preset with more given, while running.
  ASSERT_EQ(Batch({"rename", "--preset", "shots", "--start", "5", "--save-preset", "shots", "--yes", P("d")}),
            kExitSuccess)
      << m_err.str();
  EXPECT_NE(m_err.str().find("Replaced preset \"shots\""), std::string::npos);
  EXPECT_EQ(EntryNames("d"), (std::set<std::string>{"p q_5", "p q_6"}));
  ASSERT_EQ(Batch({"presets"}), kExitSuccess);
  EXPECT_EQ(m_out.str(),
            "shots\trename --front='p q_' --start=5 --order=ext --descending --new-ext '' --in-place\n");
}

TEST_F(PresetsTest, APresetThatCannotBeUsedRefusesTheCommand) {
  m_folder.WriteFile("Presets/broken.ini", "[Preset]\ncommand=rename\norder=sideways\n");
  m_folder.WriteFile("Presets/words.ini", "[Preset]\ncommand=add\nprefix=w\nin-place=true\n");
  const struct {
    std::vector<std::string> arguments;
    const char* message;
  } cases[] = {
      {{"rename", "--preset", "broken"},
       "--preset: preset \"broken\" cannot be used: PRESETS/broken.ini: --order cannot be \"sideways\"; use "
       "name, "
       "ext, size, date, user, natural or taken\n"},
      {{"rename", "--preset", "none"},
       "--preset: preset \"none\" cannot be used: there is no such preset (morvane-batch presets lists "
       "them)\n"},
      {{"rename", "--preset", "words"}, "--preset: preset \"words\" is one of add, not of rename\n"},
      {{"add", "--in-place", "--save-preset", ".hidden"},
       "--save-preset: \".hidden\" cannot name a preset: it may not start with a dot\n"},
      {{"add", "--in-place", "--prefix", "a\nb", "--save-preset", "two lines"},
       "--save-preset: --prefix holds a line break, which a preset cannot keep\n"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> arguments = c.arguments;
    arguments.push_back(P("d"));
    EXPECT_EQ(Batch(arguments), kExitRefused);
    std::string expected = c.message;
    if (const std::size_t at = expected.find("PRESETS"); at != std::string::npos)
      expected.replace(at, 7, P("Presets"));
    EXPECT_EQ(m_err.str(), expected);
  }
  EXPECT_EQ(EntryNames("d"), (std::set<std::string>{"a.txt", "b.jpg"}));
  EXPECT_EQ(Batch({"presets"}), kExitFailures);
  EXPECT_EQ(m_out.str(), "words\tadd --prefix=w --in-place\n");
  EXPECT_NE(m_err.str().find("preset \"broken\" cannot be used"), std::string::npos);
}

}  // namespace
}  // namespace morvane::cli
